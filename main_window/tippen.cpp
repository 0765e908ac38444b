#include "main_window/tippen.h"

#include "engine/Zaehler.h"
#include "help/Hilfeanzeige.h"
#include "help/Tastenerklaerungen.h"
#include "keyboard/Finger.h"
#include "keyboard/Tastatur.h"
#include "keyboard/Tippweg.h"
#include "keyboard/Zeichenansage.h"
#include "lessons/Kurs.h"
#include "main_window/Ansage.h"
#include "main_window/Ansagetexte.h"
#include "main_window/Bildschirmtastatur.h"
#include "main_window/Eingabefeld.h"
#include "main_window/Fingeranzeige.h"
#include "main_window/Hauptmenue.h"
#include "main_window/KlickLabel.h"
#include "main_window/Tippumleitung.h"
#include "main_window/Zeilenfeld.h"
#include "util/Anwendung.h"
#include "util/Bauteile.h"
#include "util/Bildschirmzeiger.h"
#include "util/BrowserAufrufen.h"
#include "util/DickerRand.h"
#include "util/Farbe.h"
#include "util/Knopf.h"
#include "util/Mauszeiger.h"
#include "util/Meldungen.h"
#include "util/Zentriere.h"

#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString falschesZeichenMeldung(const QString &erwartet, const QString &getippt)
{
    return QStringLiteral("Es sollte das Zeichen {") + erwartet +
           QStringLiteral("} eingegeben werden.\rSie haben das Zeichen {") + getippt +
           QStringLiteral("} eingegeben.\r\rBitte geben Sie das richtige Zeichen ein. Nehmen Sie "
                          "den richtigen Finger und ...\r... vorher mit dem rechten kleinen Finger "
                          "die Eingabetaste betätigen um dieses OK zu bestätigen.");
}

QString fortschrittstitel(const QString &lektionText, qint16 fehlerfrei)
{
    return QStringLiteral("Lektion: ") + lektionText + QStringLiteral("- Fehlerfrei: ") +
           Zaehler::mitVorzeichen(fehlerfrei) +
           QStringLiteral(" von %1 Reihen.").arg(Kurs::ZeilenJeLektion);
}

} // namespace

QString tippen::auswahlaufforderung()
{
    return QString(40, QLatin1Char(' ')) + QStringLiteral("- Lektion auswählen -");
}

tippen::tippen(Umgebung &umgebung, QWidget *parent) : QMainWindow(parent), m_umgebung(umgebung)
{
    setObjectName(QStringLiteral("tippen"));
    setWindowTitle(QStringLiteral("10-Finger Fingalo 3  ·  2019 bis 2026  ·  vom Fingalo-Team"));
    setWindowIcon(QIcon(QStringLiteral(":/bilder/symbol_haupt.svg")));

    // The frame carries the sunken client edge; the client area inside keeps its fixed size.
    m_rand = new QFrame(this);
    m_rand->setObjectName(QStringLiteral("Rand"));
    auto *rahmenLayout = new QVBoxLayout(m_rand);
    rahmenLayout->setContentsMargins(0, 0, 0, 0);
    m_client = new QWidget(m_rand);
    m_client->setObjectName(QStringLiteral("Client"));
    m_client->setFixedSize(ClientBreite, ClientHoehe);
    m_client->setAutoFillBackground(true);
    QPalette farben = m_client->palette();
    farben.setColor(QPalette::Window, QColor(bgr(0x00E0E0E0)));
    m_client->setPalette(farben);
    m_client->setCursor(Mauszeiger::offeneHand());
    m_client->setFont(Bauteile::schrift(QStringLiteral("MS Sans Serif"), 9.75, true));
    rahmenLayout->addWidget(m_client);
    setCentralWidget(m_rand);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The guide lies under the command buttons that stand between its finger buttons.
    m_fingeranzeige = new Fingeranzeige(m_client);
    baueUebungsfeld();
    m_tastatur = new Bildschirmtastatur(m_client);
    m_ansage = new Ansage(m_client);
    m_menue = new Hauptmenue(menuBar());
    m_umleitung = new Tippumleitung(FELD, this);
    setzeFokusfolge();
    benenneFuerScreenreader();
    verbindeBedienelemente();
    verbindeUebung();
    baueSprechtasten();
    // First in the focus order: the learner can type as soon as the window opens.
    FELD->setFocus(Qt::OtherFocusReason);
}

tippen::~tippen() = default;

// The exercise line, the echo, the command buttons, the lesson indicator, the input box and the
// lesson text, at their fixed places.
void tippen::baueUebungsfeld()
{
    using Bauteile::arial;
    QWidget *c = m_client;
    const QColor knopfText = palette().color(QPalette::ButtonText);
    const QColor knopfFlaeche = palette().color(QPalette::Button);
    const QColor fensterText = palette().color(QPalette::WindowText);
    constexpr Qt::Alignment links = Qt::AlignLeft | Qt::AlignVCenter;

    TextFeld = Bauteile::beschriftung<Zeilenfeld>(
        c, {QStringLiteral("TextFeld"), QRect(16, 8, 841, 31),
            QStringLiteral(" Kleiner 10-Finger Fingalo / Ausgabefeld"), arial(14.25), knopfText,
            QColor(bgr(0x00ECFBFD)), true, links,
            QStringLiteral("  Alles was hier steht muss man \"abtippen\".  ")});
    MeinText = Bauteile::beschriftung(c, {QStringLiteral("MeinText"), QRect(16, 40, 841, 33),
                                          QStringLiteral("_"), arial(14.25), knopfText,
                                          knopfFlaeche, true, links});

    const QColor hellgruen(bgr(0x00C0FFC0));
    ZeigeTasten[0] =
        Bauteile::knopf(c, {QStringLiteral("ZeigeTasten_0"), QRect(24, 152, 193, 41),
                            QStringLiteral("ohne Umschalttaste"), hellgruen, arial(12),
                            QStringLiteral(" ohne Umschalttaste "), Mauszeiger::zeigeHand()});
    ZeigeTasten[1] =
        Bauteile::knopf(c, {QStringLiteral("ZeigeTasten_1"), QRect(24, 192, 193, 41),
                            QStringLiteral("mit Umschalttaste"), hellgruen, arial(12),
                            QStringLiteral(" mit Umschalttaste "), Mauszeiger::zeigeHand()});
    EndE = Bauteile::knopf(c, {QStringLiteral("EndE"), QRect(224, 152, 121, 41),
                               QStringLiteral("&ENDE"), QColor(bgr(0x00C0C0FF)),
                               Bauteile::schrift(QStringLiteral("MS Sans Serif"), 9.75, true),
                               QStringLiteral("  Programm verlassen.  "), Mauszeiger::zeigeHand()});
    FehlerTaste = Bauteile::knopf(c, {QStringLiteral("FehlerTaste"), QRect(224, 192, 121, 41),
                                      QStringLiteral("Fehler &0"), QColor(bgr(0x00FFC0C0)),
                                      arial(12), QStringLiteral("  Fehler wieder auf 0 stellen.  "),
                                      Mauszeiger::zeigeHand()});
    Wiederholen = Bauteile::knopf(c, {QStringLiteral("Wiederholen"), QRect(576, 152, 281, 41),
                                      QStringLiteral("&Wiederholen"), QColor(bgr(0x00FFFFC0)),
                                      arial(12), QStringLiteral("Beendete Lektion wiederholen."),
                                      Mauszeiger::zeigeHand()});
    FelD2 = Bauteile::beschriftung(c, {QStringLiteral("FelD2"), QRect(576, 197, 281, 39),
                                       QStringLiteral("Lektion"), arial(20.25), fensterText,
                                       QColor(bgr(0x0080FFFF)), true, Qt::AlignCenter,
                                       QStringLiteral("  Lektion / Zeile  ")});

    FELD = new Eingabefeld(QStringLiteral(" Lektion auswählen"), c);
    FELD->setGeometry(24, 240, 833, 37);
    FELD->setFont(arial(14.25, true));
    QPalette feldFarben = FELD->palette();
    feldFarben.setColor(QPalette::Base, Qt::white);
    feldFarben.setColor(QPalette::Text, QColor(bgr(0x000000FF)));
    FELD->setPalette(feldFarben);

    Text = Bauteile::beschriftung<KlickLabel>(c, {QStringLiteral("Text"),
                                                  QRect(24, 584, 833, 93),
                                                  QStringLiteral("TEXT ZUR LEKTION"),
                                                  arial(12),
                                                  QColor(bgr(0x00800080)),
                                                  QColor(bgr(0x00E0E0E0)),
                                                  false,
                                                  Qt::AlignCenter,
                                                  {},
                                                  true});
}

void tippen::setzeFokusfolge()
{
    using enum Tastenfeld;
    auto taste = [this](Taste t) { return static_cast<QWidget *>(m_tastatur->knopf(t)); };
    QList<QWidget *> folge{FELD, FehlerTaste, EndE};
    for (int i = 0; i <= 28; ++i)
        folge << taste({Buchstaben, i});
    for (int d : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
        folge << taste({Zahlentasten, d});
    for (int i : {8, 0, 1, 2, 3, 4, 5, 6, 7})
        folge << taste({Zeichentaste, i});
    for (Taste t : {Taste{Alttaste}, Taste{Strgtaste, 0}, Taste{Strgtaste, 1}, Taste{ShiftTaste, 0},
                    Taste{ShiftTaste, 1}, Taste{Ruecktaste}, Taste{LockTaste}, Taste{LeerTaste, 2},
                    Taste{AltGrTaste}, Taste{TabTaste}})
        folge << taste(t);
    for (int i : {0, 1, 2, 3, 7, 4, 5, 6})
        folge << m_fingeranzeige->knopf(i);
    folge << ZeigeTasten[0] << ZeigeTasten[1] << taste({Command1}) << taste({Command2})
          << taste({Command3}) << taste({Command4}) << Wiederholen;
    // A key missing from the layout would silently break the chain in two.
    Q_ASSERT(!folge.contains(nullptr));
    for (qsizetype i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
    for (QWidget *w : folge)
        m_umleitung->beobachte(w);
    m_umleitung->beobachte(m_client);
    m_umleitung->beobachte(Text);
}

// Keys that type nothing and speak instead, for a learner who listens: the next character with
// its finger, the rest of the line spelled, the lesson's explanation, where the lesson stands.
// They are the window's shortcuts, so they never reach the input box or the exercise.
void tippen::baueSprechtasten()
{
    const struct
    {
        const char *name;
        Qt::Key taste;
        std::function<QString()> text;
    } tasten[] = {
        {"Sprechtaste_Naechstes", Qt::Key_F5,
         [this] { return Ansagetexte::naechstesZeichen(m_uebung.zeile(), m_uebung.eingabe()); }},
        {"Sprechtaste_Rest", Qt::Key_F6,
         [this] { return Ansagetexte::restDerZeile(m_uebung.zeile(), m_uebung.eingabe()); }},
        {"Sprechtaste_Erklaerung", Qt::Key_F7,
         [this] {
             return m_lektionAufSchirm == 0 ? Ansagetexte::keineZeile()
                                            : Ansagetexte::erklaerung(m_lektionAufSchirm);
         }},
        {"Sprechtaste_Stand", Qt::Key_F8,
         [this] {
             if (m_lektionAufSchirm == 0 || !m_uebung.nimmtEingabenAn())
                 return Ansagetexte::keineZeile();
             return Ansagetexte::stand(m_lektionAufSchirm, m_zeileAufSchirm, m_fehlerfrei,
                                       m_fehler);
         }},
    };
    for (const auto &t : tasten) {
        auto *aktion = new QAction(this);
        aktion->setObjectName(QLatin1String(t.name));
        aktion->setShortcut(QKeySequence(t.taste));
        aktion->setShortcutContext(Qt::WindowShortcut);
        connect(aktion, &QAction::triggered, this, [this, text = t.text] { sage(text()); });
        addAction(aktion);
    }
}

// Controls that show text expose that text as their name, so a listener hears what a sighted
// learner reads; what a control is and what it does goes into its description.
void tippen::benenneFuerScreenreader()
{
    m_client->setAccessibleName(QStringLiteral("Übungsbereich"));
    TextFeld->setAccessibleDescription(QStringLiteral("Übungszeile"));
    MeinText->setAccessibleDescription(QStringLiteral("Bisher getippt"));
    FelD2->setAccessibleDescription(QStringLiteral("Lektion und Zeile"));
    Text->setAccessibleDescription(QStringLiteral("Text zur Lektion"));
    FELD->setAccessibleName(QStringLiteral("Eingabe"));
    beschreibeFeld();
    ZeigeTasten[0]->setAccessibleDescription(QStringLiteral("Zeigt die Tasten ohne Umschalttaste"));
    ZeigeTasten[1]->setAccessibleDescription(QStringLiteral("Zeigt die Tasten mit Umschalttaste"));
    EndE->setAccessibleDescription(QStringLiteral("Programm verlassen"));
    FehlerTaste->setAccessibleDescription(
        QStringLiteral("Fehlerzähler; ein Klick stellt ihn wieder auf 0"));
    Wiederholen->setAccessibleDescription(QStringLiteral("Eine Zeile zurückgehen"));
}

void tippen::verbindeBedienelemente()
{
    connect(FELD, &Eingabefeld::eingegeben, &m_uebung, &Uebung::tippe);
    connect(m_menue, &Hauptmenue::lektionGewaehlt, this, &tippen::Lektion_Click);
    connect(m_menue, &Hauptmenue::beenden, this, &tippen::Beenden_Click);
    connect(m_menue, &Hauptmenue::adresseGewaehlt, this, &tippen::Adresse_Click);
    connect(m_menue, &Hauptmenue::hilfeGewaehlt, this, &tippen::Hilfe_Click);
    connect(m_fingeranzeige, &Fingeranzeige::fingerGeklickt, this, &tippen::Finger_Click);
    connect(m_tastatur, &Bildschirmtastatur::tasteGeklickt, this, &tippen::Erklaerung_Click);
    for (int i = 0; i <= 1; ++i)
        connect(ZeigeTasten[i], &Knopf::clicked, this, [this, i] { ZeigeTasten_Click(i); });
    connect(EndE, &Knopf::clicked, this, &tippen::EndE_Click);
    connect(FehlerTaste, &Knopf::clicked, this, &tippen::FehlerTaste_Click);
    connect(Wiederholen, &Knopf::clicked, this, &tippen::Wiederholen_Click);
    connect(Text, &KlickLabel::geklickt, this, &tippen::Text_Click);
}

// The exercise reports in its own terms; the window words them as the design shows them, and
// tells a listener what a sighted learner sees happen.
void tippen::verbindeUebung()
{
    connect(&m_uebung, &Uebung::lektionGewaehlt, this,
            [this](int, const QString &lernTasten, const QString &erklaerung) {
                MarkiereLernTasten(lernTasten);
                Text->setText(Anwendung::anzeigetext(erklaerung));
            });
    connect(&m_uebung, &Uebung::zeileGezeigt, this, [this](const QString &zeile) {
        TextFeld->setText(zeile);
        beschreibeFeld();
        // While the focus stays in FELD a listener hears the new line only when it is announced;
        // a lesson choice and a step back announce it their own way.
        if (m_geschafft >= 0)
            sage(Ansagetexte::naechsteZeile(m_zeileAufSchirm, zeile, m_geschafft));
        m_geschafft = -1;
    });
    connect(&m_uebung, &Uebung::positionGeaendert, this, [this](int lektion, qint16 zeile) {
        FelD2->setText(QStringLiteral("Lekt.: %1, Zeile: ").arg(lektion) +
                       Zaehler::mitVorzeichen(zeile));
        m_lektionAufSchirm = lektion;
        m_zeileAufSchirm = zeile;
        ++m_positionen;
    });
    connect(&m_uebung, &Uebung::eingabeGeaendert, this, [this](const QString &eingabe) {
        const QString vorher = FELD->text();
        FELD->zeige(eingabe);
        MeinText->setText(QLatin1Char('_') + eingabe);
        echo(vorher, eingabe);
    });
    connect(&m_uebung, &Uebung::falschesZeichen, this,
            [this](const QString &erwartet, const QString &getippt) {
                meldung(falschesZeichenMeldung(erwartet, getippt),
                        Zeichenansage::falschesZeichen(erwartet, getippt));
            });
    connect(&m_uebung, &Uebung::eingabeZuLang, this,
            [this] { meldung(QStringLiteral("TEXT ZU LANG")); });
    connect(&m_uebung, &Uebung::fehlerGezaehlt, this, [this](qint16 anzahl) {
        m_fehler = anzahl;
        FehlerTaste->setText(QStringLiteral("F.: ") + Zaehler::mitVorzeichen(anzahl));
    });
    connect(&m_uebung, &Uebung::fehlerZurueckgesetzt, this, [this] {
        m_fehler = 0;
        FehlerTaste->setText(QStringLiteral("0"));
    });
    connect(&m_uebung, &Uebung::zeileGeschafft, this,
            [this](const QString &lektionText, qint16 fehlerfrei) {
                setWindowTitle(fortschrittstitel(lektionText, fehlerfrei));
                m_fehlerfrei = fehlerfrei;
                m_geschafft = fehlerfrei;
            });
    connect(&m_uebung, &Uebung::lektionBeendet, this, &tippen::Lektionsende);
    connect(&m_uebung, &Uebung::wiederholenMoeglich, Wiederholen, &QWidget::setVisible);
}

void tippen::Lektionsende()
{
    FELD->zeige(auswahlaufforderung());
    // A disabled box would hand the focus to the next button, which the learner's next Space
    // would click. The lesson text takes it instead, and says what to do next.
    Text->setText(Anwendung::anzeigetext(QStringLiteral("\r\r--- NEUE LEKTION WÄHLEN ---")));
    Text->setAccessibleDescription(
        QStringLiteral("Im Menü Lektionen eine neue Lektion wählen, Alt öffnet die Menüleiste"));
    if (FELD->hasFocus())
        Text->setFocus(Qt::OtherFocusReason);
    FELD->setEnabled(false);
    TextFeld->setText(QStringLiteral("Lektion beendet"));
    beschreibeFeld();
    sage(Ansagetexte::lektionBeendet(m_lektionAufSchirm, m_fehlerfrei, m_fehler));
    m_geschafft = -1;
}

// Letters made with a dead key reach the box as an input method's commit, which a screen reader
// does not echo as it echoes keys: the box says them.
void tippen::echo(const QString &vorher, const QString &jetzt)
{
    if (!jetzt.startsWith(vorher) || jetzt.size() <= vorher.size() ||
        !m_uebung.zeile().startsWith(jetzt))
        return;
    const QString neu = jetzt.mid(vorher.size());
    for (const uint zeichen : neu.toUcs4()) {
        const std::optional<Tippweg> weg = Tippweg::fuer(char32_t(zeichen));
        if (weg && weg->totetaste)
            sage(Zeichenansage::buchstabiert(neu));
        if (weg && weg->totetaste)
            return;
    }
}

void tippen::Show()
{
    if (!m_geladen)
        Form_Load();
    else
        show();
}

void tippen::vorbereiten()
{
    if (m_geladen)
        return;
    winId();
    // The sunken edge changes the frame; given now, the load handler's call finds it done.
    DickerRand(this);
    ensurePolished();
    layout()->activate();
    m_client->grab();
}

void tippen::Form_Load()
{
    m_geladen = true;
    Zentriere(this, Platzierung::Mitte);
    DickerRand(this);
    setzeBildschirmzeiger(Bildschirmzeiger::Standard);
    show();
    m_uebung.starten();
}

void tippen::Lektion_Click(int lektion)
{
    m_fehlerfrei = 0;
    m_uebung.lektionWaehlen(lektion);
    Text->setAccessibleDescription(QStringLiteral("Text zur Lektion"));
    FELD->setEnabled(true);
    FELD->setFocus(Qt::OtherFocusReason);
    // A dead key pressed before the choice belongs to the lesson left behind.
    FELD->totetasteVergessen();
    sage(Ansagetexte::lektionGewaehlt(lektion, m_uebung.zeile()));
}

void tippen::MarkiereLernTasten(QStringView tastenCode)
{
    m_tastatur->markiere(tastenCode, Bildschirmtastatur::Markierung::Fett);
    m_fingeranzeige->verbirgMarker();
}

void tippen::MarkiereFingerTasten(QStringView tastenCode)
{
    m_tastatur->markiere(tastenCode, Bildschirmtastatur::Markierung::Unterstrichen);
    m_fingeranzeige->verbirgMarker();
}

void tippen::Finger_Click(int index)
{
    Text->setText(QString());
    if (index < 0 || index >= Fingerfuehrung::AnzahlFinger)
        return;
    MarkiereFingerTasten(
        Tastatur::fingerTasten(Fingerfuehrung::Fingertabelle[std::size_t(index)].finger));
    m_fingeranzeige->leuchte(index);
    sage(Ansagetexte::finger(index));
}

void tippen::ZeigeTasten_Click(int index)
{
    if (index == 0 || index == 1)
        m_tastatur->beschrifte(index == 1);
}

void tippen::FehlerTaste_Click()
{
    m_uebung.fehlerZuruecksetzen();
    sage(Ansagetexte::fehlerZurueckgesetzt());
}

void tippen::Wiederholen_Click()
{
    const int vorher = m_positionen;
    m_uebung.zeileWiederholen();
    Fokusrueckgabe();
    // On the first line the step back shows line 1 again.
    if (m_positionen != vorher)
        sage(Ansagetexte::zurueck(qMax(m_zeileAufSchirm, 1), m_uebung.zeile()));
}

void tippen::Text_Click()
{
    QPalette farben = Text->palette();
    farben.setColor(QPalette::WindowText, QColor(bgr(0x00800000)));
    Text->setPalette(farben);
}

void tippen::EndE_Click()
{
    close();
}

void tippen::Beenden_Click()
{
    m_umgebung.beenden();
}

void tippen::Erklaerung_Click(Taste t)
{
    if (const std::optional<Tastenerklaerung> e = tastenerklaerung(t.feld))
        m_umgebung.meldungen.zeige(e->text, e->titel, e->symbol);
    // The picture keys without an explanation only hand the focus back.
    Fokusrueckgabe();
}

void tippen::Adresse_Click(const QUrl &adresse)
{
    BrowserAufrufen(adresse.toString(), m_umgebung.browser);
    Fokusrueckgabe();
}

void tippen::Hilfe_Click(int seite)
{
    m_umgebung.hilfe.zeige(seite);
    Fokusrueckgabe();
}

void tippen::Fokusrueckgabe()
{
    if (FELD->isEnabled())
        FELD->setFocus(Qt::OtherFocusReason);
}

void tippen::meldung(const QString &text, const QString &gesprochen)
{
    m_umgebung.meldungen.zeige(text, Anwendung::titel(), Meldungen::Symbol::Keins, gesprochen);
}

// The box carries the line to type and where the lesson stands, so a screen reader can read
// both without leaving it.
void tippen::beschreibeFeld()
{
    QString beschreibung;
    if (!m_uebung.nimmtEingabenAn())
        beschreibung = QStringLiteral("Lektion beendet. Bitte eine neue Lektion wählen.");
    else if (m_lektionAufSchirm == 0)
        beschreibung = m_uebung.zeile() + QStringLiteral(" – noch keine Lektion gewählt");
    else
        beschreibung = m_uebung.zeile() + QStringLiteral(" – ") + position();
    FELD->setAccessibleDescription(beschreibung);
}

QString tippen::position() const
{
    return QStringLiteral("Lektion %1, Zeile %2 von %3")
        .arg(m_lektionAufSchirm)
        .arg(m_zeileAufSchirm)
        .arg(Kurs::ZeilenJeLektion);
}

void tippen::sage(const QString &text)
{
    m_ansage->sage(text);
}

#include "main_window/tippen.h"

#include "engine/Zaehler.h"
#include "help/Hilfeanzeige.h"
#include "help/Tastenerklaerungen.h"
#include "keyboard/Finger.h"
#include "keyboard/Tastenmarkierung.h"
#include "lessons/Kurs.h"
#include "main_window/Ansage.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "util/Anwendung.h"
#include "util/Bilder.h"
#include "util/Bildschirmzeiger.h"
#include "util/BrowserAufrufen.h"
#include "util/DickerRand.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Knopf.h"
#include "util/Mauszeiger.h"
#include "util/Meldungen.h"
#include "util/Zentriere.h"

#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
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

tippen::tippen(Umgebung &umgebung, QWidget *parent)
    : QMainWindow(parent), m_umgebung(umgebung), m_uebung(*this)
{
    bilderBereitstellen();
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
    QFont standard(QStringLiteral("MS Sans Serif"));
    standard.setPointSizeF(9.75);
    standard.setBold(true);
    m_client->setFont(standard);
    rahmenLayout->addWidget(m_client);
    setCentralWidget(m_rand);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    baueOberenBereich();
    m_ansage = new Ansage(m_client);
    baueTastatur();
    baueMenues();
    setzeFokusfolge();
    benenneFuerScreenreader();
    verbindeBedienelemente();
    verbindeUebung();
    // First in the focus order: the learner can type as soon as the window opens.
    FELD->setFocus(Qt::OtherFocusReason);
}

tippen::~tippen() = default;

void tippen::verbindeBedienelemente()
{
    // Every change of FELD, typed or set by code, is evaluated at once.
    connect(FELD, &QLineEdit::textChanged, this, [this] { m_uebung.PruefeEingabe(); });
    connect(FELD, &Eingabefeld::tasteRunter, this, [this] { m_uebung.FELD_KeyDown(); });

    for (int i = 0; i <= 9; ++i) {
        connect(Lektion1[i], &QAction::triggered, this, [this, i] { m_uebung.LektionWaehlen(i); });
        connect(Lektion2[i], &QAction::triggered, this,
                [this, i] { m_uebung.LektionWaehlen(i + 10); });
        connect(Lektion3[i], &QAction::triggered, this,
                [this, i] { m_uebung.LektionWaehlen(i + 20); });
    }
    for (int i = 0; i <= 7; ++i)
        connect(Finger[i], &QPushButton::clicked, this, [this, i] { Finger_Click(i); });
    for (int i = 0; i <= 1; ++i)
        connect(ZeigeTasten[i], &QPushButton::clicked, this, [this, i] { ZeigeTasten_Click(i); });

    connect(EndE, &QPushButton::clicked, this, &tippen::EndE_Click);
    connect(FehlerTaste, &QPushButton::clicked, this, [this] { m_uebung.FehlerTaste_Click(); });
    connect(Wiederholen, &QPushButton::clicked, this, [this] { m_uebung.Wiederholen_Click(); });
    connect(Text, &KlickLabel::geklickt, this, &tippen::Text_Click);

    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Taste t = Tastatur::Tabelle[i].taste;
        connect(m_tasten[i], &QPushButton::clicked, this, [this, t] { Erklaerung_Click(t); });
    }

    connect(mnu_beenden, &QAction::triggered, this, &tippen::Beenden_Click);
    connect(mnu_Kurzanleitung, &QAction::triggered, this, [this] { Hilfe_Click(1); });
    connect(mnu_FingerBild, &QAction::triggered, this, [this] { Hilfe_Click(2); });
}

// The exercise reports in its own terms; the window words them as the design shows them.
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
        // While the focus stays in FELD a listener hears the new line only when it is announced.
        if (!m_uebung.zustand().LektionText.isEmpty())
            sage(m_ansageVorspann.isEmpty() ? position() + QStringLiteral(": ") + zeile
                                            : m_ansageVorspann +
                                                  QStringLiteral(" Zeile %1 von %2: ")
                                                      .arg(m_zeileAufSchirm)
                                                      .arg(Kurs::ZeilenJeLektion) +
                                                  zeile);
        m_ansageVorspann.clear();
    });
    connect(&m_uebung, &Uebung::positionGeaendert, this, [this](int lektion, qint16 zeile) {
        FelD2->setText(QStringLiteral("Lekt.: %1, Zeile: ").arg(lektion) +
                       Zaehler::mitVorzeichen(zeile));
        m_lektionAufSchirm = lektion;
        m_zeileAufSchirm = zeile;
    });
    connect(&m_uebung, &Uebung::eingabeGeaendert, this,
            [this](const QString &eingabe) { MeinText->setText(QLatin1Char('_') + eingabe); });
    connect(&m_uebung, &Uebung::falschesZeichen, this,
            [this](const QString &erwartet, const QString &getippt) {
                meldung(falschesZeichenMeldung(erwartet, getippt));
            });
    connect(&m_uebung, &Uebung::eingabeZuLang, this,
            [this] { meldung(QStringLiteral("TEXT ZU LANG")); });
    connect(&m_uebung, &Uebung::fehlerGezaehlt, this, [this](qint16 anzahl) {
        FehlerTaste->setText(QStringLiteral("F.: ") + Zaehler::mitVorzeichen(anzahl));
    });
    connect(&m_uebung, &Uebung::fehlerZurueckgesetzt, this,
            [this] { FehlerTaste->setText(QStringLiteral("0")); });
    connect(&m_uebung, &Uebung::zeileGeschafft, this,
            [this](const QString &lektionText, qint16 fehlerfrei) {
                setWindowTitle(fortschrittstitel(lektionText, fehlerfrei));
                m_ansageVorspann = windowTitle();
            });
    connect(&m_uebung, &Uebung::lektionBeendet, this, [this] {
        TextFeld->setText(QStringLiteral("Lektion beendet"));
        Text->setText(Anwendung::anzeigetext(QStringLiteral("\r\r--- NEUE LEKTION WÄHLEN ---")));
        beschreibeFeld();
        sage((m_ansageVorspann.isEmpty() ? QString() : m_ansageVorspann + u' ') +
             QStringLiteral("Lektion beendet. Bitte eine neue Lektion wählen."));
        m_ansageVorspann.clear();
    });
    connect(&m_uebung, &Uebung::wiederholenMoeglich, Wiederholen, &QWidget::setVisible);
}

Knopf *tippen::taste(Taste t) const
{
    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        if (Tastatur::Tabelle[i].taste == t)
            return m_tasten[i];
    }
    return nullptr;
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
    m_uebung.startwerteSetzen();
    show();
    m_uebung.startzeileSetzen();
}

void tippen::markiere(QStringView tastenCode, Markierung art)
{
    auto setze = [art](Knopf *knopf, Taste t, bool an) {
        QFont schrift = knopf->font();
        if (art == Markierung::Fett)
            schrift.setBold(an);
        else
            schrift.setUnderline(an);
        schrift.setPointSizeF(Tastenmarkierung::punkte(t, an));
        knopf->setFont(schrift);
    };
    // Every key a key string can name goes back to the unmarked look first.
    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        if (Tastatur::Tabelle[i].code != 0)
            setze(m_tasten[i], Tastatur::Tabelle[i].taste, false);
    }
    for (const QChar c : tastenCode) {
        if (const std::optional<Taste> t = Tastatur::tasteFuer(c.unicode()))
            setze(taste(*t), *t, true);
    }
    for (int i = 0; i < Fingerfuehrung::AnzahlMarker; ++i) {
        DieFinger[i]->setVisible(false);
        beschreibeMarker(i);
    }
}

void tippen::MarkiereLernTasten(QStringView tastenCode)
{
    markiere(tastenCode, Markierung::Fett);
}

void tippen::MarkiereFingerTasten(QStringView tastenCode)
{
    markiere(tastenCode, Markierung::Unterstrichen);
}

void tippen::Finger_Click(int index)
{
    Text->setText(QString());
    if (index < 0 || index >= Fingerfuehrung::AnzahlFinger)
        return;
    const Fingerdaten &f = Fingerfuehrung::Fingertabelle[std::size_t(index)];
    MarkiereFingerTasten(Tastatur::fingerTasten(f.finger));
    DieFinger[f.roterMarker]->setVisible(true);
    DieFinger[f.roterMarker]->setzeFuellfarbe(QColor(bgr(0x000000FF)));
    DieFinger[f.gelberMarker]->setVisible(true);
    DieFinger[f.gelberMarker]->setzeFuellfarbe(QColor(bgr(0x0000FFFF)));
    beschreibeMarker(f.roterMarker);
    beschreibeMarker(f.gelberMarker);
}

void tippen::ZeigeTasten_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Tastendaten &t = Tastatur::Tabelle[i];
        if (t.taste.istZeichentaste())
            m_tasten[i]->setText((index == 0 ? t.ohneUmschalt : t.mitUmschalt).toString());
    }
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
    const std::optional<Tastenerklaerung> e = tastenerklaerung(t.feld);
    if (e)
        m_umgebung.meldungen.zeige(e->text, e->titel, e->symbol);
    // The picture keys without an explanation only hand the focus back.
    m_uebung.Fokusrueckgabe();
}

void tippen::Adresse_Click(const QString &adresse)
{
    BrowserAufrufen(adresse, m_umgebung.browser);
    m_uebung.Fokusrueckgabe();
}

void tippen::Hilfe_Click(int seite)
{
    m_umgebung.hilfe.zeige(seite);
    m_uebung.Fokusrueckgabe();
}

void tippen::meldung(const QString &text)
{
    m_umgebung.meldungen.zeige(text, Anwendung::titel(), Meldungen::Symbol::Keins);
}

QString tippen::text() const
{
    return FELD->text();
}

void tippen::setzeText(const QString &text)
{
    FELD->setText(text);
}

bool tippen::istAktiv() const
{
    return FELD->isEnabled();
}

void tippen::setzeAktiv(bool aktiv)
{
    // A disabled box would hand the focus to the next button, which the learner's next Space
    // would click: the window itself takes it until a lesson is chosen.
    if (!aktiv && FELD->hasFocus())
        m_client->setFocus(Qt::OtherFocusReason);
    FELD->setEnabled(aktiv);
}

void tippen::cursorAnsEnde()
{
    FELD->end(false);
}

void tippen::gibFokus()
{
    FELD->setFocus(Qt::OtherFocusReason);
}

#include "main_window/tippen.h"
#include "util/Bilder.h"

#include "help/Hilfeanzeige.h"
#include "help/Tastenerklaerungen.h"
#include "keyboard/Fingertasten.h"
#include "keyboard/Tastenbeschriftung.h"
#include "keyboard/Tastenmarkierung.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "main_window/Knopf.h"
#include "main_window/Tastaturlayout.h"
#include "util/Anwendung.h"
#include "util/Bildschirmzeiger.h"
#include "util/DickerWinRand.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Mauszeiger.h"
#include "util/Meldungen.h"
#include "util/ZentriereForm.h"
#include "util/mdlBrowserAufrufen.h"

#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>

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
    baueTastatur();
    baueMenues();
    setzeFokusfolge();
    benenneFuerScreenreader();
    verbinde();
    // First in the focus order: the learner can type as soon as the window opens.
    FELD->setFocus(Qt::OtherFocusReason);
}

tippen::~tippen() = default;

void tippen::verbinde()
{
    connect(FELD, &QLineEdit::textChanged, this, [this] { m_uebung.PruefeEingabe(); });
    connect(FELD, &Eingabefeld::tasteRunter, this, [this] { m_uebung.FELD_KeyDown(); });

    for (int i = 0; i <= 9; ++i) {
        connect(Lektion1[i], &QAction::triggered, this,
                [this, i] { m_uebung.LektionWaehlen(i, 0); });
        connect(Lektion2[i], &QAction::triggered, this,
                [this, i] { m_uebung.LektionWaehlen(i, 10); });
        connect(Lektion3[i], &QAction::triggered, this,
                [this, i] { m_uebung.LektionWaehlen(i, 20); });
    }
    for (int i = 0; i <= 7; ++i)
        connect(Finger[i], &QPushButton::clicked, this, [this, i] { Finger_Click(i); });
    for (int i = 0; i <= 1; ++i)
        connect(ZeigeTasten[i], &QPushButton::clicked, this, [this, i] { ZeigeTasten_Click(i); });

    connect(EndE, &QPushButton::clicked, this, &tippen::EndE_Click);
    connect(FehlerTaste, &QPushButton::clicked, this, [this] { m_uebung.FehlerTaste_Click(); });
    connect(Wiederholen, &QPushButton::clicked, this, [this] { m_uebung.Wiederholen_Click(); });
    for (Knopf *k : {Command1, Command2, Command3})
        connect(k, &QPushButton::clicked, this, [this] { m_uebung.Fokusrueckgabe(); });
    connect(Text, &KlickLabel::geklickt, this, &tippen::Text_Click);

    for (const Tastenplatz &p : Tastaturlayout::Tabelle) {
        const Taste t = p.taste;
        if (t.feld == Tastenfeld::Command1 || t.feld == Tastenfeld::Command2 ||
            t.feld == Tastenfeld::Command3)
            continue;
        connect(taste(t), &QPushButton::clicked, this, [this, t] { Erklaerung_Click(t); });
    }

    connect(mnu_beenden, &QAction::triggered, this, &tippen::Beenden_Click);
    connect(mnu_Kurzanleitung, &QAction::triggered, this, [this] { Hilfe_Click(1); });
    connect(mnu_FingerBild, &QAction::triggered, this, [this] { Hilfe_Click(2); });
}

QPushButton *tippen::taste(Taste t) const
{
    auto *selbst = const_cast<tippen *>(this);
    const int i = t.index;
    switch (t.feld) {
    case Tastenfeld::Buchstaben:
        return selbst->Buchstaben.enthaelt(i) ? selbst->Buchstaben[i] : nullptr;
    case Tastenfeld::Zahlentasten:
        return selbst->Zahlentasten.enthaelt(i) ? selbst->Zahlentasten[i] : nullptr;
    case Tastenfeld::Zeichentaste:
        return selbst->Zeichentaste.enthaelt(i) ? selbst->Zeichentaste[i] : nullptr;
    case Tastenfeld::ShiftTaste:
        return selbst->ShiftTaste.enthaelt(i) ? selbst->ShiftTaste[i] : nullptr;
    case Tastenfeld::Strgtaste:
        return selbst->Strgtaste.enthaelt(i) ? selbst->Strgtaste[i] : nullptr;
    case Tastenfeld::LeerTaste:
        return selbst->LeerTaste.enthaelt(i) ? selbst->LeerTaste[i] : nullptr;
    case Tastenfeld::LockTaste:
        return LockTaste;
    case Tastenfeld::TabTaste:
        return TabTaste;
    case Tastenfeld::Ruecktaste:
        return Ruecktaste;
    case Tastenfeld::AltGrTaste:
        return AltGrTaste;
    case Tastenfeld::Alttaste:
        return Alttaste;
    case Tastenfeld::Command1:
        return Command1;
    case Tastenfeld::Command2:
        return Command2;
    case Tastenfeld::Command3:
        return Command3;
    case Tastenfeld::Command4:
        return Command4;
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

void tippen::Form_Load()
{
    m_geladen = true;
    Zentriere(this, 4);
    DickerRand(this);
    setzeBildschirmzeiger(0);
    m_uebung.startwerteSetzen();
    show();
    m_uebung.startzeileSetzen();
}

void tippen::MarkiereLernTasten(QStringView tastenCode)
{
    Tastenmarkierung::markiere([this](Taste t) { return taste(t); }, tastenCode,
                               Tastenmarkierung::Art::Fett);
    for (Formelement *marker : DieFinger)
        marker->setVisible(false);
}

void tippen::MarkiereFingerTasten(QStringView tastenCode)
{
    Tastenmarkierung::markiere([this](Taste t) { return taste(t); }, tastenCode,
                               Tastenmarkierung::Art::Unterstrichen);
    for (Formelement *marker : DieFinger)
        marker->setVisible(false);
}

void tippen::Finger_Click(int index)
{
    Text->setText(QString());
    if (index < 0 || index >= Fingertasten::AnzahlFinger)
        return;
    const Fingerfuehrung &f = Fingertasten::Tabelle[std::size_t(index)];
    MarkiereFingerTasten(QStringView(f.tasten.data(), qsizetype(f.tasten.size())));
    DieFinger[f.roterMarker]->setVisible(true);
    DieFinger[f.roterMarker]->setzeFuellfarbe(QColor(bgr(0x000000FF)));
    DieFinger[f.gelberMarker]->setVisible(true);
    DieFinger[f.gelberMarker]->setzeFuellfarbe(QColor(bgr(0x0000FFFF)));
}

void tippen::ZeigeTasten_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    const auto ebene = index == 0 ? Tastenbeschriftung::Ebene::OhneUmschalt
                                  : Tastenbeschriftung::Ebene::MitUmschalt;
    for (Tastenfeld feld :
         {Tastenfeld::Buchstaben, Tastenfeld::Zahlentasten, Tastenfeld::Zeichentaste}) {
        for (int i = 0; QPushButton *k = taste({feld, i}); ++i)
            k->setText(Tastenbeschriftung::beschriftung({feld, i}, ebene));
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
    static constexpr std::pair<Tastenfeld, Erklaerungstaste> zuordnung[] = {
        {Tastenfeld::AltGrTaste, Erklaerungstaste::AltGr},
        {Tastenfeld::Alttaste, Erklaerungstaste::Alt},
        {Tastenfeld::Buchstaben, Erklaerungstaste::Buchstabe},
        {Tastenfeld::Command4, Erklaerungstaste::Eingabe},
        {Tastenfeld::LeerTaste, Erklaerungstaste::Leer},
        {Tastenfeld::LockTaste, Erklaerungstaste::Feststell},
        {Tastenfeld::Ruecktaste, Erklaerungstaste::Ruecktaste},
        {Tastenfeld::ShiftTaste, Erklaerungstaste::Umschalt},
        {Tastenfeld::Strgtaste, Erklaerungstaste::Strg},
        {Tastenfeld::TabTaste, Erklaerungstaste::Tab},
        {Tastenfeld::Zahlentasten, Erklaerungstaste::Zahl},
        {Tastenfeld::Zeichentaste, Erklaerungstaste::Zeichen},
    };
    for (const auto &[feld, art] : zuordnung) {
        if (feld == t.feld) {
            const Tastenerklaerung e = tastenerklaerung(art);
            m_umgebung.meldungen.zeige(e.text, e.titel, e.symbol);
            m_uebung.Fokusrueckgabe();
            return;
        }
    }
}

void tippen::Adresse_Click(const QString &adresse)
{
    BrowserAufrufen(this, adresse, m_umgebung.browser);
    m_uebung.Fokusrueckgabe();
}

void tippen::Hilfe_Click(int seite)
{
    m_umgebung.hilfe.zeige(seite);
    m_uebung.Fokusrueckgabe();
}

// The exercise's view of the window.

QString tippen::feldText() const
{
    return FELD->text();
}
void tippen::setzeFeldText(const QString &text)
{
    FELD->setText(text);
}
bool tippen::feldAktiv() const
{
    return FELD->isEnabled();
}
void tippen::setzeFeldAktiv(bool aktiv)
{
    FELD->setEnabled(aktiv);
}
void tippen::setzeFeldCursorAnsEnde()
{
    FELD->end(false);
}
void tippen::gibFeldFokus()
{
    FELD->setFocus(Qt::OtherFocusReason);
}
QString tippen::textFeld() const
{
    return TextFeld->text();
}
void tippen::setzeTextFeld(const QString &zeile)
{
    TextFeld->setText(zeile);
}
void tippen::setzeMeinText(const QString &text)
{
    MeinText->setText(text);
}
void tippen::setzeFelD2(const QString &text)
{
    FelD2->setText(text);
}
void tippen::setzeFehlerTaste(const QString &text)
{
    FehlerTaste->setText(text);
}
void tippen::setzeFenstertitel(const QString &titel)
{
    setWindowTitle(titel);
}
void tippen::setzeWiederholenSichtbar(bool sichtbar)
{
    Wiederholen->setVisible(sichtbar);
}
void tippen::setzeText(const QString &text)
{
    Text->setText(Anwendung::anzeigetext(text));
}
void tippen::markiereLernTasten(QStringView tastenCode)
{
    MarkiereLernTasten(tastenCode);
}

void tippen::meldung(const QString &text)
{
    m_umgebung.meldungen.zeige(text, Anwendung::titel(), Meldungen::Symbol::Keins);
}

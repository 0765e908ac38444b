// Builds the controls of the main window at their fixed places.

#include "main_window/tippen.h"

#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "main_window/Knopf.h"
#include "main_window/Tastaturlayout.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Mauszeiger.h"
#include "util/SvgBild.h"

#include <QIcon>
#include <QLabel>
#include <QSvgRenderer>

namespace {

// Rounds the edges, not position and size apart, so neighbouring keys never leave a gap.
QRect pixel(double links, double oben, double breite, double hoehe)
{
    const int x = qRound(links);
    const int y = qRound(oben);
    return QRect(x, y, qRound(links + breite) - x, qRound(oben + hoehe) - y);
}

QFont schrift(const QString &familie, qreal punkte, bool fett = false)
{
    QFont f(familie);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

QFont arial(qreal punkte, bool fett = false)
{
    return schrift(QStringLiteral("Arial"), punkte, fett);
}

constexpr double Drittel = 1.0 / 3.0;

struct Beschriftungsfeld
{
    const char *name;
    QRect platz;
    QString text;
    QFont font;
    QColor textfarbe;
    QColor hintergrund; // invalid: transparent
    bool rand;
    Qt::Alignment ausrichtung;
    QString tooltip;
};

template <typename L = QLabel> L *beschriftung(QWidget *eltern, const Beschriftungsfeld &b)
{
    auto *l = new L(b.text, eltern);
    l->setObjectName(QLatin1String(b.name));
    l->setGeometry(b.platz);
    l->setFont(b.font);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(b.ausrichtung);
    l->setCursor(Qt::ArrowCursor);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, b.textfarbe);
    if (b.hintergrund.isValid()) {
        pal.setColor(QPalette::Window, b.hintergrund);
        l->setAutoFillBackground(true);
    }
    l->setPalette(pal);
    if (b.rand)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (!b.tooltip.isEmpty())
        l->setToolTip(b.tooltip);
    return l;
}

Knopf *knopf(QWidget *eltern, const QString &name, QRect platz, const QString &text, QRgb farbe,
             const QFont &font, const QString &tooltip = {}, bool zeigehand = true)
{
    auto *k = new Knopf(QColor(farbe), eltern);
    k->setObjectName(name);
    k->setGeometry(platz);
    k->setText(text);
    k->setFont(font);
    if (!tooltip.isEmpty())
        k->setToolTip(tooltip);
    k->setCursor(zeigehand ? Mauszeiger::zeigeHand() : QCursor(Qt::ArrowCursor));
    return k;
}

} // namespace

void tippen::baueOberenBereich()
{
    QWidget *c = m_client;
    const QColor knopfText = palette().color(QPalette::ButtonText);
    const QColor knopfFlaeche = palette().color(QPalette::Button);
    const QColor fensterText = palette().color(QPalette::WindowText);
    constexpr Qt::Alignment links = Qt::AlignLeft | Qt::AlignVCenter;

    TextFeld = beschriftung(c, {"TextFeld", QRect(16, 8, 841, 31),
                                QStringLiteral(" Kleiner 10-Finger Fingalo / Ausgabefeld"),
                                arial(14.25), knopfText, QColor(bgr(0x00ECFBFD)), true, links,
                                QStringLiteral("  Alles was hier steht muss man \"abtippen\".  ")});
    MeinText = beschriftung(c, {"MeinText",
                                QRect(16, 40, 841, 33),
                                QStringLiteral("_"),
                                arial(14.25),
                                knopfText,
                                knopfFlaeche,
                                true,
                                links,
                                {}});

    const Beschriftungsfeld haende[] = {
        {"Bezeichnung1_0",
         pixel(120, 76 + 2 * Drittel, 89, 17),
         QStringLiteral("linke Hand"),
         arial(12),
         Qt::black,
         {},
         false,
         Qt::AlignCenter,
         {}},
        {"Bezeichnung1_1",
         pixel(664, 76 + 2 * Drittel, 113, 17),
         QStringLiteral("rechte Hand"),
         arial(12),
         Qt::black,
         {},
         false,
         Qt::AlignCenter,
         {}},
        {"Bezeichnung1_2",
         QRect(352, 80, 217, 17),
         QStringLiteral("Die aktiven Finger"),
         arial(12),
         Qt::black,
         {},
         false,
         Qt::AlignCenter,
         {}},
    };
    for (int i = 0; i <= 2; ++i)
        Bezeichnung1[i] = beschriftung(c, haende[i]);

    struct FingerKnopf
    {
        int index;
        int links;
        const char16_t *text;
        const char16_t *tooltip;
    };
    static constexpr FingerKnopf finger[] = {
        {3, 24, u"Kleiner", u"  was macht der kleine Finger.  "},
        {2, 96, u"Ring", u"  was macht der Ringfinger.  "},
        {1, 168, u"Mittel", u"  was macht der Mittelfinger.  "},
        {0, 240, u"Zeige", u"  was macht der Zeigefinger.  "},
        {7, 576, u"Zeige", u"  was macht der Zeigefinger.  "},
        {6, 648, u"Mittel", u"  was macht der Mittelfinger.  "},
        {5, 720, u"Ring", u"  was macht der Ringfinger.  "},
        {4, 792, u"Kleiner", u"  was macht der kleine Finger.  "},
    };
    for (const FingerKnopf &f : finger) {
        Finger[f.index] =
            knopf(c, QStringLiteral("Finger_%1").arg(f.index),
                  pixel(f.links, 96, 66 + 2 * Drittel, 53 + Drittel), QString::fromUtf16(f.text),
                  bgr(0x00C0FFC0), arial(12), QString::fromUtf16(f.tooltip));
    }

    Image1 = new SvgBild(QStringLiteral(":/bilder/haende.svg"), c);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(360, 112, 202, 133);

    static constexpr QPoint marker[] = {{360, 152}, {368, 128}, {384, 112}, {408, 112}, {440, 144},
                                        {464, 144}, {496, 112}, {520, 112}, {532, 128}, {544, 152}};
    for (int i = 0; i <= 9; ++i) {
        DieFinger[i] = new Formelement(Formelement::Art::Kreis, QColor(bgr(0x00FFFF80)),
                                       QColor(bgr(0x00C0C0C0)), 1, c);
        DieFinger[i]->setObjectName(QStringLiteral("DieFinger_%1").arg(i));
        DieFinger[i]->setGeometry(QRect(marker[i], QSize(17, 17)));
    }

    ZeigeTasten[0] = knopf(c, QStringLiteral("ZeigeTasten_0"), QRect(24, 152, 193, 41),
                           QStringLiteral("ohne Umschalttaste"), bgr(0x00C0FFC0), arial(12),
                           QStringLiteral(" ohne Umschalttaste "));
    ZeigeTasten[1] = knopf(c, QStringLiteral("ZeigeTasten_1"), QRect(24, 192, 193, 41),
                           QStringLiteral("mit Umschalttaste"), bgr(0x00C0FFC0), arial(12),
                           QStringLiteral(" mit Umschalttaste "));
    EndE = knopf(c, QStringLiteral("EndE"), QRect(224, 152, 121, 41), QStringLiteral("&ENDE"),
                 bgr(0x00C0C0FF), schrift(QStringLiteral("MS Sans Serif"), 9.75, true),
                 QStringLiteral("  Programm verlassen.  "));
    FehlerTaste = knopf(c, QStringLiteral("FehlerTaste"), QRect(224, 192, 121, 41),
                        QStringLiteral("Fehler &0"), bgr(0x00FFC0C0), arial(12),
                        QStringLiteral("  Fehler wieder auf 0 stellen.  "));
    Wiederholen = knopf(c, QStringLiteral("Wiederholen"), QRect(576, 152, 281, 41),
                        QStringLiteral("&Wiederholen"), bgr(0x00FFFFC0), arial(12),
                        QStringLiteral("Beendete Lektion wiederholen."));
    FelD2 = beschriftung(c, {"FelD2", QRect(576, 197, 281, 39), QStringLiteral("Lektion"),
                             arial(20.25), fensterText, QColor(bgr(0x0080FFFF)), true,
                             Qt::AlignCenter, QStringLiteral("  Lektion / Zeile  ")});

    FELD = new Eingabefeld(QStringLiteral(" Lektion auswählen"), c);
    FELD->setObjectName(QStringLiteral("FELD"));
    FELD->setGeometry(24, 240, 833, 37);
    FELD->setFont(arial(14.25, true));
    QPalette feldFarben = FELD->palette();
    feldFarben.setColor(QPalette::Base, Qt::white);
    feldFarben.setColor(QPalette::Text, QColor(bgr(0x000000FF)));
    FELD->setPalette(feldFarben);
    FELD->setCursorPosition(0);

    Figur1 =
        new Formelement(Formelement::Art::Rechteck, QColor(bgr(0x00D5ECF2)), fensterText, 2, c);
    Figur1->setObjectName(QStringLiteral("Figur1"));
    Figur1->setGeometry(24, 280, 833, 297);

    Text = beschriftung<KlickLabel>(c, {"Text",
                                        QRect(24, 584, 833, 93),
                                        QStringLiteral("TEXT ZUR LEKTION"),
                                        arial(12),
                                        QColor(bgr(0x00800080)),
                                        QColor(bgr(0x00E0E0E0)),
                                        false,
                                        Qt::AlignCenter,
                                        {}});
    Text->setWordWrap(true);
}

void tippen::baueTastatur()
{
    for (const Tastenplatz &p : Tastaturlayout::Tabelle) {
        const bool klein =
            p.taste.feld == Tastenfeld::Strgtaste || p.taste.feld == Tastenfeld::Alttaste ||
            p.taste.feld == Tastenfeld::AltGrTaste || p.taste.feld == Tastenfeld::LeerTaste;
        auto *k = knopf(m_client, {}, pixel(p.links, p.oben, p.breite, p.hoehe),
                        QString::fromUtf16(p.beschriftung.data(), qsizetype(p.beschriftung.size())),
                        bgr(0x00D5ECF2), arial(klein ? 14.25 : 18), {}, false);
        if (!p.bild.empty()) {
            const QString quelle = QString::fromUtf16(p.bild.data(), qsizetype(p.bild.size()));
            k->setIcon(QIcon(quelle));
            k->setIconSize(QSvgRenderer(quelle).defaultSize());
        }
        const int i = p.taste.index;
        switch (p.taste.feld) {
        case Tastenfeld::Buchstaben:
            Buchstaben[i] = k;
            k->setObjectName(QStringLiteral("Buchstaben_%1").arg(i));
            break;
        case Tastenfeld::Zahlentasten:
            Zahlentasten[i] = k;
            k->setObjectName(QStringLiteral("Zahlentasten_%1").arg(i));
            break;
        case Tastenfeld::Zeichentaste:
            Zeichentaste[i] = k;
            k->setObjectName(QStringLiteral("Zeichentaste_%1").arg(i));
            break;
        case Tastenfeld::ShiftTaste:
            ShiftTaste[i] = k;
            k->setObjectName(QStringLiteral("ShiftTaste_%1").arg(i));
            break;
        case Tastenfeld::Strgtaste:
            Strgtaste[i] = k;
            k->setObjectName(QStringLiteral("Strgtaste_%1").arg(i));
            break;
        case Tastenfeld::LeerTaste:
            LeerTaste[i] = k;
            k->setObjectName(QStringLiteral("LeerTaste_%1").arg(i));
            break;
        case Tastenfeld::LockTaste:
            LockTaste = k;
            k->setObjectName(QStringLiteral("LockTaste"));
            break;
        case Tastenfeld::TabTaste:
            TabTaste = k;
            k->setObjectName(QStringLiteral("TabTaste"));
            break;
        case Tastenfeld::Ruecktaste:
            Ruecktaste = k;
            k->setObjectName(QStringLiteral("Rücktaste"));
            break;
        case Tastenfeld::AltGrTaste:
            AltGrTaste = k;
            k->setObjectName(QStringLiteral("AltGrTaste"));
            break;
        case Tastenfeld::Alttaste:
            Alttaste = k;
            k->setObjectName(QStringLiteral("Alttaste"));
            break;
        case Tastenfeld::Command1:
            Command1 = k;
            k->setObjectName(QStringLiteral("Command1"));
            break;
        case Tastenfeld::Command2:
            Command2 = k;
            k->setObjectName(QStringLiteral("Command2"));
            break;
        case Tastenfeld::Command3:
            Command3 = k;
            k->setObjectName(QStringLiteral("Command3"));
            break;
        case Tastenfeld::Command4:
            Command4 = k;
            k->setObjectName(QStringLiteral("Command4"));
            k->setToolTip(QStringLiteral(" Die Eingabetaste: Enter "));
            break;
        }
    }
    // The panel lies behind every key.
    Figur1->lower();
}

void tippen::setzeFokusfolge()
{
    QList<QWidget *> folge{FELD, FehlerTaste, EndE};
    for (int i = 0; i <= 28; ++i)
        folge << Buchstaben[i];
    for (int d : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
        folge << Zahlentasten[d];
    for (int i : {8, 0, 1, 2, 3, 4, 5, 6, 7})
        folge << Zeichentaste[i];
    folge << Alttaste << Strgtaste[0] << Strgtaste[1] << ShiftTaste[0] << ShiftTaste[1]
          << Ruecktaste << LockTaste << LeerTaste[2] << AltGrTaste << TabTaste;
    for (int i : {0, 1, 2, 3, 7, 4, 5, 6})
        folge << Finger[i];
    folge << ZeigeTasten[0] << ZeigeTasten[1] << Command1 << Command2 << Command3 << Command4
          << Wiederholen;
    for (qsizetype i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
}

// Builds the controls of the main window at their fixed places.

#include "main_window/tippen.h"

#include "keyboard/Finger.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "util/Bauteile.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Mauszeiger.h"
#include "util/SvgBild.h"

#include <QIcon>
#include <QSvgRenderer>

using Bauteile::arial;
using Bauteile::pixel;

namespace {

constexpr double Drittel = 1.0 / 3.0;

} // namespace

void tippen::baueOberenBereich()
{
    QWidget *c = m_client;
    const QColor knopfText = palette().color(QPalette::ButtonText);
    const QColor knopfFlaeche = palette().color(QPalette::Button);
    const QColor fensterText = palette().color(QPalette::WindowText);
    constexpr Qt::Alignment links = Qt::AlignLeft | Qt::AlignVCenter;

    TextFeld = Bauteile::beschriftung(
        c, {QStringLiteral("TextFeld"), QRect(16, 8, 841, 31),
            QStringLiteral(" Kleiner 10-Finger Fingalo / Ausgabefeld"), arial(14.25), knopfText,
            QColor(bgr(0x00ECFBFD)), true, links,
            QStringLiteral("  Alles was hier steht muss man \"abtippen\".  ")});
    MeinText = Bauteile::beschriftung(c, {QStringLiteral("MeinText"), QRect(16, 40, 841, 33),
                                          QStringLiteral("_"), arial(14.25), knopfText,
                                          knopfFlaeche, true, links});
    const QRect haende[] = {pixel(120, 76 + 2 * Drittel, 89, 17),
                            pixel(664, 76 + 2 * Drittel, 113, 17), QRect(352, 80, 217, 17)};
    const QString haendeTexte[] = {QStringLiteral("linke Hand"), QStringLiteral("rechte Hand"),
                                   QStringLiteral("Die aktiven Finger")};
    for (int i = 0; i <= 2; ++i)
        Bezeichnung1[i] =
            Bauteile::beschriftung(c, {QStringLiteral("Bezeichnung1_%1").arg(i), haende[i],
                                       haendeTexte[i], arial(12), Qt::black});

    for (int i = 0; i < Fingerfuehrung::AnzahlFinger; ++i) {
        const Fingerdaten &f = Fingerfuehrung::Fingertabelle[std::size_t(i)];
        Finger[i] = Bauteile::knopf(c, {QStringLiteral("Finger_%1").arg(i),
                                        pixel(f.knopfLinks, 96, 66 + 2 * Drittel, 53 + Drittel),
                                        f.beschriftung.toString(), QColor(bgr(0x00C0FFC0)),
                                        arial(12), f.tooltip.toString(), Mauszeiger::zeigeHand()});
    }

    Image1 = new SvgBild(QStringLiteral(":/bilder/haende.svg"), c);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(Fingerfuehrung::HaendeLinksOben, QSize(202, 133)));

    for (int i = 0; i < Fingerfuehrung::AnzahlMarker; ++i) {
        DieFinger[i] = new Formelement(Formelement::Art::Kreis, QColor(bgr(0x00FFFF80)),
                                       QColor(bgr(0x00C0C0C0)), 1, c);
        DieFinger[i]->setObjectName(QStringLiteral("DieFinger_%1").arg(i));
        DieFinger[i]->setGeometry(
            QRect(Fingerfuehrung::Markertabelle[std::size_t(i)].platz, QSize(17, 17)));
    }

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

void tippen::baueTastatur()
{
    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Tastendaten &t = Tastatur::Tabelle[i];
        Knopf *k = Bauteile::knopf(m_client,
                                   {t.taste.objektname(), pixel(t.links, t.oben, t.breite, t.hoehe),
                                    Tastatur::entwurfsbeschriftung(t), QColor(bgr(0x00D5ECF2)),
                                    arial(t.punkte)});
        if (!t.bild.isEmpty()) {
            const QString quelle = t.bild.toString();
            k->setIcon(QIcon(quelle));
            k->setIconSize(QSvgRenderer(quelle).defaultSize());
        }
        if (t.taste.feld == Tastenfeld::Command4)
            k->setToolTip(QStringLiteral(" Die Eingabetaste: Enter "));
        m_tasten[i] = k;
    }
    // The panel lies behind every key.
    Figur1->lower();
}

void tippen::setzeFokusfolge()
{
    using enum Tastenfeld;
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
        folge << Finger[i];
    folge << ZeigeTasten[0] << ZeigeTasten[1] << taste({Command1}) << taste({Command2})
          << taste({Command3}) << taste({Command4}) << Wiederholen;
    // A key missing from the layout would silently break the chain in two.
    Q_ASSERT(!folge.contains(nullptr));
    for (qsizetype i = 1; i < folge.size(); ++i)
        QWidget::setTabOrder(folge[i - 1], folge[i]);
}

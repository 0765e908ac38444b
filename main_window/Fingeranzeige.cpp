#include "main_window/Fingeranzeige.h"

#include "keyboard/Finger.h"
#include "util/Bauteile.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Knopf.h"
#include "util/Mauszeiger.h"
#include "util/SvgBild.h"

#include <QLabel>

namespace {

constexpr double Drittel = 1.0 / 3.0;
constexpr QRgb Rot = bgr(0x000000FF);
constexpr QRgb Gelb = bgr(0x0000FFFF);

// A place in the main window's client area, in the guide's own coordinates.
QRect hier(QRect imFenster)
{
    return imFenster.translated(-Fingeranzeige::Platz.topLeft());
}

} // namespace

Fingeranzeige::Fingeranzeige(QWidget *parent) : QWidget(parent)
{
    using Bauteile::arial;
    using Bauteile::pixel;
    setObjectName(QStringLiteral("Fingeranzeige"));
    setGeometry(Platz);
    setAccessibleName(QStringLiteral("Fingerführung"));

    const QRect haende[] = {pixel(120, 76 + 2 * Drittel, 89, 17),
                            pixel(664, 76 + 2 * Drittel, 113, 17), QRect(352, 80, 217, 17)};
    const QString haendeTexte[] = {QStringLiteral("linke Hand"), QStringLiteral("rechte Hand"),
                                   QStringLiteral("Die aktiven Finger")};
    for (int i = 0; i <= 2; ++i)
        Bezeichnung1[i] =
            Bauteile::beschriftung(this, {QStringLiteral("Bezeichnung1_%1").arg(i), hier(haende[i]),
                                          haendeTexte[i], arial(12), Qt::black});

    for (int i = 0; i < Fingerfuehrung::AnzahlFinger; ++i) {
        const Fingerdaten &f = Fingerfuehrung::Fingertabelle[std::size_t(i)];
        Finger[i] =
            Bauteile::knopf(this, {QStringLiteral("Finger_%1").arg(i),
                                   hier(pixel(f.knopfLinks, 96, 66 + 2 * Drittel, 53 + Drittel)),
                                   f.beschriftung.toString(), QColor(bgr(0x00C0FFC0)), arial(12),
                                   f.tooltip.toString(), Mauszeiger::zeigeHand()});
        Finger[i]->setAccessibleDescription(Fingerfuehrung::sprechname(f.finger) +
                                            QStringLiteral(", zeigt seine Tasten"));
        connect(Finger[i], &Knopf::clicked, this, [this, i] { Q_EMIT fingerGeklickt(i); });
    }

    Image1 = new SvgBild(QStringLiteral(":/bilder/haende.svg"), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(hier(QRect(Fingerfuehrung::HaendeLinksOben, QSize(202, 133))));
    Image1->setAccessibleName(QStringLiteral("Bild: zwei Hände auf der Tastatur"));

    for (int i = 0; i < Fingerfuehrung::AnzahlMarker; ++i) {
        const Markerdaten &m = Fingerfuehrung::Markertabelle[std::size_t(i)];
        DieFinger[i] = new Formelement(Formelement::Art::Kreis, QColor(bgr(0x00FFFF80)),
                                       QColor(bgr(0x00C0C0C0)), 1, this);
        DieFinger[i]->setObjectName(QStringLiteral("DieFinger_%1").arg(i));
        DieFinger[i]->setGeometry(hier(QRect(m.platz, QSize(17, 17))));
        DieFinger[i]->setAccessibleName(QStringLiteral("Markierung ") + m.name.toString());
        beschreibeMarker(i);
    }
}

Knopf *Fingeranzeige::knopf(int index) const
{
    return Finger.enthaelt(index) ? Finger[index] : nullptr;
}

void Fingeranzeige::verbirgMarker()
{
    for (int i = 0; i < Fingerfuehrung::AnzahlMarker; ++i) {
        DieFinger[i]->setVisible(false);
        beschreibeMarker(i);
    }
}

void Fingeranzeige::leuchte(int index)
{
    if (!Finger.enthaelt(index))
        return;
    const Fingerdaten &f = Fingerfuehrung::Fingertabelle[std::size_t(index)];
    DieFinger[f.roterMarker]->setVisible(true);
    DieFinger[f.roterMarker]->setzeFuellfarbe(QColor(Rot));
    DieFinger[f.gelberMarker]->setVisible(true);
    DieFinger[f.gelberMarker]->setzeFuellfarbe(QColor(Gelb));
    beschreibeMarker(f.roterMarker);
    beschreibeMarker(f.gelberMarker);
}

void Fingeranzeige::beschreibeMarker(int i)
{
    const QColor farbe = DieFinger[i]->fuellfarbe();
    const QString wie = farbe == QColor(Rot)    ? QStringLiteral("leuchtet rot")
                        : farbe == QColor(Gelb) ? QStringLiteral("leuchtet gelb")
                                                : QStringLiteral("hellblau");
    DieFinger[i]->setAccessibleDescription(wie);
}

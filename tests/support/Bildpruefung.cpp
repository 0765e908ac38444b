#include "Bildpruefung.h"

#include "Sollwerte.h"

#include <QApplication>
#include <QPalette>
#include <QSet>
#include <cmath>

namespace Bildpruefung {

QColor farbe(quint32 wert)
{
    const QPalette system = QApplication::palette();
    switch (wert) {
    case Sollwerte::Knopftext:
        return system.color(QPalette::ButtonText);
    case Sollwerte::Knopfflaeche:
        return system.color(QPalette::Button);
    case Sollwerte::Fenstertext:
        return system.color(QPalette::WindowText);
    default:
        return Sollwerte::bgr(wert);
    }
}

qreal deckung(const QImage &bild, const QRect &bereich, const QColor &grund, const QColor &farbe)
{
    const QRect r = bereich & bild.rect();
    const double d[3] = {double(farbe.red() - grund.red()), double(farbe.green() - grund.green()),
                         double(farbe.blue() - grund.blue())};
    const double laenge2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    if (laenge2 == 0)
        return 0;
    qreal beste = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = bild.pixelColor(x, y);
            const double v[3] = {double(p.red() - grund.red()), double(p.green() - grund.green()),
                                 double(p.blue() - grund.blue())};
            const double a = (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / laenge2;
            double abstand2 = 0;
            for (int k = 0; k < 3; ++k)
                abstand2 += (v[k] - a * d[k]) * (v[k] - a * d[k]);
            // Antialiased edges blend along the line from background to ink; a pixel far off that
            // line belongs to something drawn in another colour.
            if (abstand2 <= 16 * 16 && a > beste)
                beste = qMin(a, 1.0);
        }
    }
    return beste;
}

QRect umriss(const QImage &bild, const QRect &bereich, const QColor &grund)
{
    const QRect r = bereich & bild.rect();
    QRect u;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (bild.pixelColor(x, y).rgb() != grund.rgb())
                u |= QRect(x, y, 1, 1);
        }
    }
    return u;
}

int farben(const QImage &bild, const QRect &bereich)
{
    const QRect r = bereich & bild.rect();
    QSet<QRgb> gesehen;
    for (int y = r.top(); y <= r.bottom(); y += 3) {
        for (int x = r.left(); x <= r.right(); x += 3)
            gesehen.insert(bild.pixel(x, y));
    }
    return int(gesehen.size());
}

int anzahl(const QImage &bild, const QRect &bereich, const QColor &farbe)
{
    const QRect r = bereich & bild.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            n += bild.pixelColor(x, y).rgb() == farbe.rgb();
    }
    return n;
}

QList<QRect> flecken(const QImage &bild, const QRect &bereich, const QColor &farbe, int mindestens)
{
    const QRect r = bereich.intersected(bild.rect());
    const QRgb gesucht = farbe.rgb();
    QList<bool> gesehen(qsizetype(r.width()) * r.height(), false);
    auto index = [&](QPoint p) {
        return qsizetype(p.y() - r.top()) * r.width() + p.x() - r.left();
    };
    QList<QRect> gefunden;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QPoint start(x, y);
            if (gesehen[index(start)] || bild.pixel(start) != gesucht)
                continue;
            // Flood fill over the patch.
            QList<QPoint> offen{start};
            gesehen[index(start)] = true;
            QRect umfang(start, start);
            int pixel = 0;
            while (!offen.isEmpty()) {
                const QPoint p = offen.takeLast();
                ++pixel;
                umfang = umfang.united(QRect(p, p));
                for (const QPoint nachbar :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (r.contains(nachbar) && !gesehen[index(nachbar)] &&
                        bild.pixel(nachbar) == gesucht) {
                        gesehen[index(nachbar)] = true;
                        offen << nachbar;
                    }
                }
            }
            if (pixel >= mindestens)
                gefunden << umfang;
        }
    }
    return gefunden;
}

} // namespace Bildpruefung

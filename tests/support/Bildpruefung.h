#pragma once

// Questions about what a window has drawn, asked of a grab of it.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

namespace Bildpruefung {

// A colour as the design writes it (0x00BBGGRR), system colours by their codes.
QColor farbe(quint32 wert);

// How fully `farbe` is drawn somewhere in `bereich` over the background `grund`: 1 when a pixel
// of exactly that colour is there, about 0.5 for a pixel half covered by an antialiased stroke,
// 0 when nothing in that colour is drawn. Pixels of other colours do not count.
qreal deckung(const QImage &bild, const QRect &bereich, const QColor &grund, const QColor &farbe);

// The smallest rectangle holding every pixel of `bereich` that differs from `grund`; empty when
// there is none.
QRect umriss(const QImage &bild, const QRect &bereich, const QColor &grund);

// How many colours a picture shows in `bereich`, counted on a 3 px grid: a few for a drawing in
// flat colours, many for a shaded picture.
int farben(const QImage &bild, const QRect &bereich);

// The separate patches of exactly `farbe` in `bereich` (pixels touching at an edge belong
// together) with at least `mindestens` pixels each, as their bounding rectangles.
QList<QRect> flecken(const QImage &bild, const QRect &bereich, const QColor &farbe, int mindestens);

// How many pixels of `bereich` have exactly this colour.
int anzahl(const QImage &bild, const QRect &bereich, const QColor &farbe);

} // namespace Bildpruefung

#pragma once

#include <QCursor>

// Custom pointers drawn from vector pictures at the screen's pixel ratio.
namespace Mauszeiger {

QCursor ausSvg(const QString &quelle, QPoint heissPunkt, int groesse = 32);

QCursor offeneHand();     // over the main window's own surface
QCursor zeigeHand();      // over buttons that do something
QCursor zeigeHandStart(); // over the start window's own surface

} // namespace Mauszeiger

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <optional>

class QWidget;

// Placement codes.
namespace Platzierung {
inline constexpr qint32 LinkerRand = 0;  // against the left edge, centred vertically
inline constexpr qint32 RechterRand = 1; // against the right edge, centred vertically
inline constexpr qint32 ObererRand = 2;  // centred horizontally, against the top edge
inline constexpr qint32 UntererRand = 3; // centred horizontally, against the bottom edge
inline constexpr qint32 Mitte = 4;       // centred on the screen
} // namespace Platzierung

// Where placement `code` puts a window whose outer frame is `fenster` on a screen of `bildschirm`:
// 0 left edge, 1 right edge (both centred vertically), 2 top edge, 3 bottom edge (both centred
// horizontally), 4 centred. Any other code leaves the window where it is (no value).
// The arithmetic is single precision in screen units of 1/15 px, halving by 2.0 without clamping,
// so a window larger than the screen gets a negative edge instead of being shrunk.
std::optional<QPoint> zentriertePosition(const QRect &fenster, const QSize &bildschirm,
                                         qint32 code);

// Places `fenster` by its outer frame on the whole primary screen.
void Zentriere(QWidget *fenster, qint32 code);

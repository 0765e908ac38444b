#pragma once

#include <QString>
#include <limits>

// 16-bit counts as the program shows them.
namespace Zaehler {

inline constexpr qint16 Hoechstwert = std::numeric_limits<qint16>::max();

// One more, but never past the largest 16-bit value: a learner's count must not turn negative.
constexpr qint16 erhoeht(qint16 wert)
{
    return wert < Hoechstwert ? qint16(wert + 1) : wert;
}

// A count in decimal with a leading blank for zero and positive values, a minus otherwise.
inline QString mitVorzeichen(qint16 wert)
{
    return wert >= 0 ? QLatin1Char(' ') + QString::number(wert) : QString::number(wert);
}

// Lengths above the 16-bit range are held at its top rather than wrapping.
constexpr qint16 laenge(qsizetype n)
{
    return n > Hoechstwert ? Hoechstwert : qint16(n);
}

} // namespace Zaehler

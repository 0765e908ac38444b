#pragma once

#include <QString>

namespace Anwendung {

// The caption of every message box that has no caption of its own.
inline QString titel()
{
    return QStringLiteral("10-Finger Fingalo");
}

// Message texts keep their line breaks as single carriage returns; labels and boxes show them as
// real line breaks.
inline QString anzeigetext(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// What every process that shows our windows sets up once, after the application object exists:
// one style, so the pixel-exact layout looks the same everywhere, and the typeface the design's
// "MS Sans Serif" stands for on this platform. The program, the tests, the benchmarks and the
// screenshots all call it.
void einrichten();

} // namespace Anwendung

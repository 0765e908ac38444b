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

} // namespace Anwendung

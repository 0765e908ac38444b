#pragma once

#include <QColor>

// Colours are noted as 0x00BBGGRR, blue in the high byte.
constexpr QRgb bgr(quint32 wert)
{
    return qRgb(int(wert & 0xFFu), int((wert >> 8) & 0xFFu), int((wert >> 16) & 0xFFu));
}

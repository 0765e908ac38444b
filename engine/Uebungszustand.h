#pragma once

#include <QString>

// The variables the exercise's steps share. All integers are 16 bit, as the counters and line
// numbers have always been; the counters saturate instead of wrapping.
struct Uebungszustand
{
    qint16 LektionNr = 0;      // 0-based lesson whose lines are served
    qint16 ZeileNr = 0;        // line the next NaechsteZeile shows: one ahead of the screen
    qint16 FehlerfreiZahl = 0; // completed lines
    qint16 FehlerZahl = 0;     // wrong characters
    QString Eingabe;           // what has been typed of the line, as the box shows it
    QString LektionText;       // lesson number as text for the window title
};

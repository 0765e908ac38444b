#pragma once

#include <QString>

// The variables that the main window's handlers share. All integers are 16 bit, as the counters
// and line numbers have always been; the counters saturate instead of wrapping.
struct Uebungszustand
{
    qint16 LektionNr = 0;      // 0-based lesson whose lines are served
    qint16 ZeileNr = 0;        // line the next NaechsteZeile shows: one ahead of the screen
    qint16 EingabeLaenge = 0;  // characters in FELD at the last evaluation
    qint16 ZeilenLaenge = 0;   // characters of the exercise line at the last evaluation
    qint16 FehlerfreiZahl = 0; // completed lines
    qint16 FehlerZahl = 0;     // wrong characters
    QString Eingabe;           // FELD as the last evaluation saw it
    QString Vorgabe;           // the exercise line as the last evaluation saw it
    QString LektionText;       // lesson number as text for the window title
};

#pragma once

#include "engine/Uebungszustand.h"

#include <QString>

// What the exercise promises after every action, whatever arrived: checked by the randomized
// session on the real window and by the fuzzer on the plain exercise.
namespace Invarianten {

// The exercise's own state: FELD, whether it takes input, the line on screen and the variables.
// An empty string when everything holds, otherwise what broke.
extern const QString Platzhalter; // what FELD shows before the first key
QString pruefeUebung(const QString &feld, bool feldAktiv, const QString &zeile,
                     const Uebungszustand &zustand);

// The captions the main window shows. `startTitel` is its title before any completed line.
struct Anzeige
{
    QString titel;
    QString fehlerTaste;
    QString felD2;
    QString meinText;
    bool wiederholenSichtbar;
};
QString pruefeFenster(const Anzeige &anzeige, bool feldAktiv, const QString &startTitel);

} // namespace Invarianten

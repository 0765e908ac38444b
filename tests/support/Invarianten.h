#pragma once

#include "engine/Uebungszustand.h"

#include <QString>

// What the exercise promises after every action, whatever arrived: checked by the randomized
// session on the real window and by the fuzzer on the plain exercise.
namespace Invarianten {

// The exercise's own state: FELD, whether it takes input, the line on screen and the variables.
// An empty string when everything holds, otherwise what broke.
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

// FELD is a correct beginning of the exercise line (after canonical composition).
bool istRichtigerAnfang(const QString &feld, const QString &zeile);

} // namespace Invarianten

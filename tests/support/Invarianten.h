#pragma once

#include "main_window/Uebungszustand.h"

#include <QString>

// What the exercise promises after every action, whatever arrived: checked by the randomized
// session test on the real window and by the fuzzer on the plain exercise.
struct Anzeige
{
    QString feld;
    bool feldAktiv;
    QString textFeld;
    QString titel;
    QString fehlerTaste;
    QString felD2;
    bool wiederholenSichtbar;
};

namespace Invarianten {

// An empty string when everything holds, otherwise what broke.
QString pruefe(const Anzeige &anzeige, const Uebungszustand &zustand, const QString &startTitel);

// FELD is a correct beginning of the exercise line (after canonical composition).
bool istRichtigerAnfang(const QString &feld, const QString &zeile);

} // namespace Invarianten

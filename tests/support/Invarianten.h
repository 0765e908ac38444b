#pragma once

#include <QString>

// What the exercise promises after every action, whatever arrived: checked by the randomized
// session on the real window and by the fuzzer on the plain exercise. Each returns an empty string
// when everything holds, otherwise what broke.
namespace Invarianten {

// What the box shows, against the line to type: a correct beginning, never half a character;
// between lessons, the select-lesson prompt. Before the first key the box may still show the
// prompt it opened with.
QString pruefeFeld(const QString &feld, bool feldAktiv, const QString &zeile);

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

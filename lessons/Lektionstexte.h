#pragma once

#include <QString>

// The exercise lines of all lessons, compiled into the program from lessons/lektionen.txt.
namespace Lektionstexte {

inline constexpr int AnzahlLektionen = 30;
inline constexpr int ZeilenJeLektion = 15;

// Line `zeile` (1..15) of lesson `lektion` (1..30); an empty string outside those ranges.
QString zeile(int lektion, int zeile);

} // namespace Lektionstexte

#pragma once

// The size of the course, shared by the program and the build step that reads the lesson file.
namespace Kurs {

inline constexpr int AnzahlLektionen = 30;
inline constexpr int ZeilenJeLektion = 15;

// Exercise lines are this long at most. The input box warns at this length, and a line that
// fits never reaches the warning: it is complete, and emptied, with its last character.
inline constexpr int Hoechstlaenge = 72;
inline constexpr int Mindestlaenge = 8;

} // namespace Kurs

#pragma once

#include "lessons/Kursmasse.h"

#include <QString>

// The thirty lessons: their exercise lines, what each teaches and how it is explained.
namespace Kurs {

// Line `zeile` (1..15) of lesson `lektion` (1..30); an empty string outside those ranges.
QString zeile(int lektion, int zeile);

// The text under the keyboard when lesson `lektion` starts; line breaks as single carriage
// returns. Lessons outside 1..30 are held at the nearest end.
QString erklaerung(int lektion);

// Every key taught up to and including lesson `lektion`, as a key string. Like every learnt-key
// string it begins with an "A", which names no key.
QString lernTasten(int lektion);

// The keys lesson `lektion` adds, as a key string; empty for the lessons that add none.
QString neueTasten(int lektion);

} // namespace Kurs

#pragma once

#include <string_view>

// What each lesson teaches: the keys learnt up to and including it, as a key string, and the
// explanation shown under the keyboard when the lesson starts.
struct Lektion
{
    std::u16string_view lernTasten;
    std::u16string_view erklaerung; // line breaks as single carriage returns
};

namespace Lektionskatalog {

inline constexpr int AnzahlLektionen = 30;

// Lesson by its 0-based index (0 is lesson 1); indexes outside 0..29 are clamped.
const Lektion &lektion(int lektionNr);

} // namespace Lektionskatalog

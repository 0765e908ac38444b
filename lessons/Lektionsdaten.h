#pragma once

#include "lessons/Kursmasse.h"

#include <array>

// One lesson as the lesson file gives it, compiled in at build time.
struct Lektionseintrag
{
    const char16_t *neueTasten; // key string of the keys this lesson adds
    const char16_t
        *erklaerung; // line breaks as single carriage returns; null: as the lesson before
    std::array<const char16_t *, Kurs::ZeilenJeLektion> zeilen;
};

namespace Lektionsdaten {

// Generated from lessons/lektionen.txt.
extern const std::array<Lektionseintrag, Kurs::AnzahlLektionen> Tabelle;

} // namespace Lektionsdaten

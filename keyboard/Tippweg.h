#pragma once

#include "keyboard/Tastatur.h"

#include <optional>

// One press of a key, with Shift or AltGr held or neither.
struct Tastendruck
{
    Taste taste;
    Ebene ebene = Ebene::Ohne;
};

// How a character comes out of the German keyboard, read off the key table: one press, or a
// dead key and then the letter that takes its accent (a lone accent: the dead key, then the
// space bar).
struct Tippweg
{
    std::optional<Tastendruck> totetaste;
    Tastendruck taste;

    // None for a character the keyboard cannot type.
    static std::optional<Tippweg> fuer(char32_t zeichen);
};

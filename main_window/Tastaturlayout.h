#pragma once

#include "keyboard/Taste.h"

#include <array>
#include <string_view>

// Where each key button of the on-screen keyboard sits, in pixels of the client area. Widths of
// 53⅓ and the like are kept exact; the edges are rounded only when the button is placed.
struct Tastenplatz
{
    Taste taste;
    double links;
    double oben;
    double breite;
    double hoehe;
    std::u16string_view beschriftung; // empty when the key shows a picture
    std::u16string_view bild;         // resource path of the picture, or empty
};

namespace Tastaturlayout {

inline constexpr int AnzahlTasten = 62;

extern const std::array<Tastenplatz, AnzahlTasten> Tabelle;

} // namespace Tastaturlayout

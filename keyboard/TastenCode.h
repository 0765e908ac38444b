#pragma once

#include "keyboard/Taste.h"

#include <QStringView>
#include <array>
#include <optional>

// A key string names keys of the on-screen keyboard, one character per key. Characters that
// name no key (upper-case letters, blank, "_" …) are passed over by every reader.
struct TastenCodeEintrag
{
    char16_t zeichen;
    Taste taste;
};

namespace TastenCode {

inline constexpr int AnzahlTasten = 57;
inline constexpr int AnzahlZeichentasten = 48;

// The whole code: 48 character keys and 9 function keys.
extern const std::array<TastenCodeEintrag, AnzahlTasten> Tabelle;

// Every key that a key string can name, in the order a marking resets them.
extern const std::array<Taste, AnzahlTasten> Ruecksetzfolge;

std::optional<Taste> tasteFuer(char16_t zeichen);

} // namespace TastenCode

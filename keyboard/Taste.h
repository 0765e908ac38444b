#pragma once

#include <QtGlobal>

// The control arrays of the on-screen keyboard whose keys a key string can name.
enum class Tastenfeld : quint8 {
    Buchstaben,   // 0..28, QWERTZ reading order
    Zahlentasten, // index = digit
    Zeichentaste, // 0..8 = ß ´ + , . - < # ^
    ShiftTaste,   // 0 left, 1 right
    Strgtaste,    // 0 left, 1 right
    LockTaste,
    TabTaste,
    Ruecktaste,
    AltGrTaste,
    Alttaste,
    // Keys that no key string names.
    LeerTaste, // only element 2
    Command1,  // logo key
    Command2,  // logo key
    Command3,  // context-menu key
    Command4,  // Enter
};

// One key button of the on-screen keyboard, addressed as array and index.
struct Taste
{
    Tastenfeld feld;
    int index = 0;

    // The 48 keys that type a character; all others named by a key string are function keys.
    constexpr bool istZeichentaste() const
    {
        return feld == Tastenfeld::Buchstaben || feld == Tastenfeld::Zahlentasten ||
               feld == Tastenfeld::Zeichentaste;
    }
    friend constexpr bool operator==(const Taste &, const Taste &) = default;
};

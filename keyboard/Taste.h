#pragma once

#include <QString>
#include <QtGlobal>

// The control arrays and single keys of the on-screen keyboard.
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

    // The 48 keys that type a character.
    constexpr bool istZeichentaste() const
    {
        return feld == Tastenfeld::Buchstaben || feld == Tastenfeld::Zahlentasten ||
               feld == Tastenfeld::Zeichentaste;
    }
    friend constexpr bool operator==(const Taste &, const Taste &) = default;

    // The button's object name: "Buchstaben_0" for an element of a control array, the plain
    // name ("Rücktaste") for a single key.
    QString objektname() const;
};

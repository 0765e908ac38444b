#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

// The keyboard's symbols per key code, as the X server maps them (the core mapping: for each key
// code `jeTaste` symbols, the first without Shift, the second with it), asked whether a key is a
// dead key, one that the input method takes to combine with the next letter.
class Tastensymbole
{
public:
    Tastensymbole() = default;
    Tastensymbole(quint8 ersterCode, std::size_t jeTaste, std::vector<quint32> symbole);

    // The key's dead-key symbol (dead_acute …), none for any other key.
    std::optional<quint32> totetaste(quint8 code, bool umgeschaltet) const;

    // The key code a dead-key symbol stands for, as Qt names the key (Qt::Key_Dead_Acute …).
    static int qtTaste(quint32 symbol);

private:
    quint8 m_erster = 0;
    std::size_t m_jeTaste = 0;
    std::vector<quint32> m_symbole;
};

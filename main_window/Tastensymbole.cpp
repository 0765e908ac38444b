#include "main_window/Tastensymbole.h"

namespace {

// The keysyms of the dead keys, from dead_grave to the last dead accent.
constexpr quint32 ErsteTotetaste = 0xfe50;
constexpr quint32 LetzteTotetaste = 0xfe93;

} // namespace

Tastensymbole::Tastensymbole(quint8 ersterCode, std::size_t jeTaste, std::vector<quint32> symbole)
    : m_erster(ersterCode), m_jeTaste(jeTaste), m_symbole(std::move(symbole))
{
}

bool Tastensymbole::istTotetaste(quint8 code, bool umgeschaltet) const
{
    if (code < m_erster || m_jeTaste == 0)
        return false;
    const std::size_t stelle =
        std::size_t(code - m_erster) * m_jeTaste + (umgeschaltet && m_jeTaste > 1 ? 1 : 0);
    if (stelle >= m_symbole.size())
        return false;
    return m_symbole[stelle] >= ErsteTotetaste && m_symbole[stelle] <= LetzteTotetaste;
}

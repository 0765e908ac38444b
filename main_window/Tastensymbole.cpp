#include "main_window/Tastensymbole.h"

#include <Qt>

namespace {

// The keysyms of the dead keys, from dead_grave to the last dead accent; Qt numbers its dead keys
// in the same order.
constexpr quint32 ErsteTotetaste = 0xfe50;
constexpr quint32 LetzteTotetaste = 0xfe93;

} // namespace

Tastensymbole::Tastensymbole(quint8 ersterCode, std::size_t jeTaste, std::vector<quint32> symbole)
    : m_erster(ersterCode), m_jeTaste(jeTaste), m_symbole(std::move(symbole))
{
}

std::optional<quint32> Tastensymbole::totetaste(quint8 code, bool umgeschaltet) const
{
    if (code < m_erster || m_jeTaste == 0)
        return std::nullopt;
    const std::size_t stelle =
        std::size_t(code - m_erster) * m_jeTaste + (umgeschaltet && m_jeTaste > 1 ? 1 : 0);
    if (stelle >= m_symbole.size())
        return std::nullopt;
    const quint32 symbol = m_symbole[stelle];
    if (symbol < ErsteTotetaste || symbol > LetzteTotetaste)
        return std::nullopt;
    return symbol;
}

int Tastensymbole::qtTaste(quint32 symbol)
{
    return int(Qt::Key_Dead_Grave + (symbol - ErsteTotetaste));
}

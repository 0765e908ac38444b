#pragma once

#include <QtGlobal>
#include <array>

// A control array: elements addressed by an index range that need not start at 0 (the space bar
// is element 2 of its array, the hidden text items run from 1 to 3).
template <typename T, int Erster, int Letzter> class Steuerfeld
{
    static_assert(Erster <= Letzter);

public:
    static constexpr int erster = Erster;
    static constexpr int letzter = Letzter;

    static constexpr bool enthaelt(int index) { return index >= Erster && index <= Letzter; }

    T &operator[](int index)
    {
        Q_ASSERT(enthaelt(index));
        return m_elemente[std::size_t(index - Erster)];
    }
    const T &operator[](int index) const
    {
        Q_ASSERT(enthaelt(index));
        return m_elemente[std::size_t(index - Erster)];
    }

    auto begin() { return m_elemente.begin(); }
    auto end() { return m_elemente.end(); }
    auto begin() const { return m_elemente.begin(); }
    auto end() const { return m_elemente.end(); }

private:
    std::array<T, Letzter - Erster + 1> m_elemente{};
};

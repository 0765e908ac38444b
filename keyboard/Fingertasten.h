#pragma once

#include <array>
#include <string_view>

// What each finger button shows: the keys of that finger as a key string, the marker over
// that finger and the marker over the thumb of the other hand.
struct Fingerfuehrung
{
    std::u16string_view tasten;
    int roterMarker;
    int gelberMarker;
};

namespace Fingertasten {

inline constexpr int AnzahlFinger = 8;

// Indexed like the control array Finger: 0..3 left index to little, 4..7 right little to index.
inline constexpr std::array<Fingerfuehrung, AnzahlFinger> Tabelle{{
    {u"rtfgvb56", 3, 5},
    {u"4edc", 2, 5},
    {u"3wsx", 1, 5},
    {u"12qay^<\u00F8\u00C7\u00AA\u00A9\u00A6", 0, 5},
    {u"pöüä-ß´+#\u00DE\u00C6\u00AB\u00AC", 9, 4},
    {u"0ol.", 8, 4},
    {u"9ik,", 7, 4},
    {u"zuhjnm78", 6, 4},
}};

} // namespace Fingertasten

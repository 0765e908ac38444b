#include "keyboard/Tastatur.h"

#include <algorithm>

namespace Tastatur {

namespace {

using enum Tastenfeld;
using enum Finger;

constexpr double K = 53 + 1.0 / 3; // one key, on a 56 px pitch
constexpr double R1 = 288, R2 = 344, R3 = 400, R4 = 456, R5 = 512;

// clang-format off
constexpr std::array<Tastendaten, AnzahlTasten> Tasten{{
    // Row 1: ^ 1..9 0 ß ´ Backspace
    {{Zeichentaste, 8},  32, R1, K, K, u"^", u"°",  {},     {u'\u0302', 0},        u'^', LinksKlein,   18, {}, {}},
    {{Zahlentasten, 1},  88, R1, K, K, u"1", u"!",  {},     {},                    u'1', LinksKlein,   18, {}, {}},
    {{Zahlentasten, 2}, 144, R1, K, K, u"2", u"\"", u"²",   {},                    u'2', LinksKlein,   18, {}, {}},
    {{Zahlentasten, 3}, 200, R1, K, K, u"3", u"§",  u"³",   {},                    u'3', LinksRing,    18, {}, {}},
    {{Zahlentasten, 4}, 256, R1, K, K, u"4", u"$",  {},     {},                    u'4', LinksMittel,  18, {}, {}},
    {{Zahlentasten, 5}, 312, R1, K, K, u"5", u"%",  {},     {},                    u'5', LinksZeige,   18, {}, {}},
    {{Zahlentasten, 6}, 368, R1, K, K, u"6", u"&&", {},     {},                    u'6', LinksZeige,   18, {}, {}},
    {{Zahlentasten, 7}, 424, R1, K, K, u"7", u"/",  u"{",   {},                    u'7', RechtsZeige,  18, {}, {}},
    {{Zahlentasten, 8}, 480, R1, K, K, u"8", u"(",  u"[",   {},                    u'8', RechtsZeige,  18, {}, {}},
    {{Zahlentasten, 9}, 536, R1, K, K, u"9", u")",  u"]",   {},                    u'9', RechtsMittel, 18, {}, {}},
    {{Zahlentasten, 0}, 592, R1, K, K, u"0", u"=",  u"}",   {},                    u'0', RechtsRing,   18, {}, {}},
    {{Zeichentaste, 0}, 648, R1, K, K, u"ß", u"?",  u"\\",  {},                    u'ß', RechtsKlein,  18, {}, {}},
    {{Zeichentaste, 1}, 704, R1, K, K, u"´", u"`",  {},     {u'\u0301', u'\u0300'}, u'´', RechtsKlein,  18, {}, {}},
    {{Ruecktaste, 0},   760, R1, 89, K, {}, {}, {}, {}, u'\u00AC', RechtsKlein,  18, u":/bilder/taste_ruecktaste.svg", u"Rücktaste"},
    // Row 2: Tab Q..Ü + Enter
    {{TabTaste, 0},      32, R2, 69 + 1.0 / 3, K, {}, {}, {}, {}, u'\u00A6', LinksKlein, 18, u":/bilder/taste_tab.svg", u"Tabulatortaste"},
    {{Buchstaben, 0},   104, R2, K, K, u"q", u"Q",  u"@",   {},                    u'q', LinksKlein,   18, {}, {}},
    {{Buchstaben, 1},   160, R2, K, K, u"w", u"W",  {},     {},                    u'w', LinksRing,    18, {}, {}},
    {{Buchstaben, 2},   216, R2, K, K, u"e", u"E",  u"€",   {},                    u'e', LinksMittel,  18, {}, {}},
    {{Buchstaben, 3},   272, R2, K, K, u"r", u"R",  {},     {},                    u'r', LinksZeige,   18, {}, {}},
    {{Buchstaben, 4},   328, R2, K, K, u"t", u"T",  {},     {},                    u't', LinksZeige,   18, {}, {}},
    {{Buchstaben, 5},   384, R2, K, K, u"z", u"Z",  {},     {},                    u'z', RechtsZeige,  18, {}, {}},
    {{Buchstaben, 6},   440, R2, K, K, u"u", u"U",  {},     {},                    u'u', RechtsZeige,  18, {}, {}},
    {{Buchstaben, 7},   496, R2, K, K, u"i", u"I",  {},     {},                    u'i', RechtsMittel, 18, {}, {}},
    {{Buchstaben, 8},   552, R2, K, K, u"o", u"O",  {},     {},                    u'o', RechtsRing,   18, {}, {}},
    {{Buchstaben, 9},   608, R2, K, K, u"p", u"P",  {},     {},                    u'p', RechtsKlein,  18, {}, {}},
    {{Buchstaben, 10},  664, R2, K, K, u"ü", u"Ü",  {},     {},                    u'ü', RechtsKlein,  18, {}, {}},
    {{Zeichentaste, 2}, 720, R2, K, K, u"+", u"*",  u"~",   {},                    u'+', RechtsKlein,  18, {}, {}},
    {{Command4, 0},     784, R2, 65, 109, {}, {}, {}, {}, 0, Keiner, 18, u":/bilder/taste_eingabe.svg", u"Eingabetaste"},
    // Row 3: Caps Lock A..Ä #
    {{LockTaste, 0},     32, R3, 76 + 1.0 / 3, K, {}, {}, {}, {}, u'\u00A9', LinksKlein, 18, u":/bilder/taste_feststell.svg", u"Feststelltaste"},
    {{Buchstaben, 11},  112, R3, K, K, u"a", u"A",  {},     {},                    u'a', LinksKlein,   18, {}, {}},
    {{Buchstaben, 12},  168, R3, K, K, u"s", u"S",  {},     {},                    u's', LinksRing,    18, {}, {}},
    {{Buchstaben, 13},  224, R3, K, K, u"d", u"D",  {},     {},                    u'd', LinksMittel,  18, {}, {}},
    {{Buchstaben, 14},  280, R3, K, K, u"f", u"F",  {},     {},                    u'f', LinksZeige,   18, {}, {}},
    {{Buchstaben, 15},  336, R3, K, K, u"g", u"G",  {},     {},                    u'g', LinksZeige,   18, {}, {}},
    {{Buchstaben, 16},  392, R3, K, K, u"h", u"H",  {},     {},                    u'h', RechtsZeige,  18, {}, {}},
    {{Buchstaben, 17},  448, R3, K, K, u"j", u"J",  {},     {},                    u'j', RechtsZeige,  18, {}, {}},
    {{Buchstaben, 18},  504, R3, K, K, u"k", u"K",  {},     {},                    u'k', RechtsMittel, 18, {}, {}},
    {{Buchstaben, 19},  560, R3, K, K, u"l", u"L",  {},     {},                    u'l', RechtsRing,   18, {}, {}},
    {{Buchstaben, 20},  616, R3, K, K, u"ö", u"Ö",  {},     {},                    u'ö', RechtsKlein,  18, {}, {}},
    {{Buchstaben, 21},  672, R3, K, K, u"ä", u"Ä",  {},     {},                    u'ä', RechtsKlein,  18, {}, {}},
    {{Zeichentaste, 7}, 728, R3, K, K, u"#", u"'",  {},     {},                    u'#', RechtsKlein,  18, {}, {}},
    // Row 4: Shift < Y..M , . - Shift
    {{ShiftTaste, 0},    32, R4, 52, K, {}, {}, {}, {}, u'\u00F8', LinksKlein, 18, u":/bilder/taste_umschalt.svg", u"Umschalttaste links"},
    {{Zeichentaste, 6},  88, R4, K, K, u"<", u">",  u"|",   {},                    u'<', LinksKlein,   18, {}, {}},
    {{Buchstaben, 22},  144, R4, K, K, u"y", u"Y",  {},     {},                    u'y', LinksKlein,   18, {}, {}},
    {{Buchstaben, 23},  200, R4, K, K, u"x", u"X",  {},     {},                    u'x', LinksRing,    18, {}, {}},
    {{Buchstaben, 24},  256, R4, K, K, u"c", u"C",  {},     {},                    u'c', LinksMittel,  18, {}, {}},
    {{Buchstaben, 25},  312, R4, K, K, u"v", u"V",  {},     {},                    u'v', LinksZeige,   18, {}, {}},
    {{Buchstaben, 26},  368, R4, K, K, u"b", u"B",  {},     {},                    u'b', LinksZeige,   18, {}, {}},
    {{Buchstaben, 27},  424, R4, K, K, u"n", u"N",  {},     {},                    u'n', RechtsZeige,  18, {}, {}},
    {{Buchstaben, 28},  480, R4, K, K, u"m", u"M",  u"µ",   {},                    u'm', RechtsZeige,  18, {}, {}},
    {{Zeichentaste, 3}, 536, R4, K, K, u",", u";",  {},     {},                    u',', RechtsMittel, 18, {}, {}},
    {{Zeichentaste, 4}, 592, R4, K, K, u".", u":",  {},     {},                    u'.', RechtsRing,   18, {}, {}},
    {{Zeichentaste, 5}, 648, R4, K, K, u"-", u"_",  {},     {},                    u'-', RechtsKlein,  18, {}, {}},
    {{ShiftTaste, 1},   704, R4, 145, K, {}, {}, {}, {}, u'\u00DE', RechtsKlein, 18, u":/bilder/taste_umschalt_breit.svg", u"Umschalttaste rechts"},
    // Row 5: Strg, logo, Alt, space, AltGr, logo, menu, Strg
    {{Strgtaste, 0},     32, R5, 85, K, u"Strg", {}, {}, {}, u'\u00C7', LinksKlein, 14.25, {}, u"Steuerungstaste links"},
    {{Command1, 0},     120, R5, K, K, {}, {}, {}, {}, 0, Keiner, 18, u":/bilder/taste_logo.svg", u"Systemtaste links"},
    {{Alttaste, 0},     176, R5, K, K, u"Alt", {}, {}, {}, u'\u00AA', LinksKlein, 14.25, {}, u"Taste Alt"},
    {{LeerTaste, 2},    232, R5, 332 + 1.0 / 3, K, u"leer", {}, {}, {}, 0, Daumen, 14.25, {}, u"Leertaste"},
    {{AltGrTaste, 0},   568, R5, 61, K, u"Alt Gr", {}, {}, {}, u'\u00AB', RechtsKlein, 14.25, {}, u"Taste Alt Gr"},
    {{Command2, 0},     632, R5, 61, K, {}, {}, {}, {}, 0, Keiner, 18, u":/bilder/taste_logo.svg", u"Systemtaste rechts"},
    {{Command3, 0},     696, R5, 69, K, {}, {}, {}, {}, 0, Keiner, 18, u":/bilder/taste_kontextmenue.svg", u"Kontextmenütaste"},
    {{Strgtaste, 1},    768, R5, 80, K, u"Strg", {}, {}, {}, u'\u00C6', RechtsKlein, 14.25, {}, u"Steuerungstaste rechts"},
}};
// clang-format on

constexpr int anzahlCodes()
{
    return int(std::count_if(Tasten.begin(), Tasten.end(),
                             [](const Tastendaten &t) { return t.code != 0; }));
}
static_assert(anzahlCodes() == AnzahlCodes);

} // namespace

const std::array<Tastendaten, AnzahlTasten> Tabelle = Tasten;

const Tastendaten &daten(Taste taste)
{
    const auto it = std::find_if(Tasten.begin(), Tasten.end(),
                                 [taste](const Tastendaten &t) { return t.taste == taste; });
    Q_ASSERT(it != Tasten.end());
    return it != Tasten.end() ? *it : Tasten.front();
}

std::optional<Taste> tasteFuer(char16_t code)
{
    if (code == 0)
        return std::nullopt;
    const auto it = std::find_if(Tasten.begin(), Tasten.end(),
                                 [code](const Tastendaten &t) { return t.code == code; });
    if (it == Tasten.end())
        return std::nullopt;
    return it->taste;
}

QString entwurfsbeschriftung(const Tastendaten &t)
{
    return (t.taste.feld == Buchstaben ? t.mitUmschalt : t.ohneUmschalt).toString();
}

QString fingerTasten(Finger finger)
{
    QString tasten;
    for (const Tastendaten &t : Tasten) {
        if (t.code != 0 && t.finger == finger)
            tasten += QChar(t.code);
    }
    return tasten;
}

QString zeichen(const Tastendaten &t, Ebene ebene)
{
    if (!t.taste.istZeichentaste())
        return {};
    const QStringView beschriftung = ebene == Ebene::Ohne       ? t.ohneUmschalt
                                     : ebene == Ebene::Umschalt ? t.mitUmschalt
                                                                : t.mitAltGr;
    // A caption doubles the ampersand so that it shows; the key types one.
    return beschriftung == u"&&" ? QStringLiteral("&") : beschriftung.toString();
}

char16_t totakzent(const Tastendaten &t, Ebene ebene)
{
    switch (ebene) {
    case Ebene::Ohne:
        return t.tot.ohneUmschalt;
    case Ebene::Umschalt:
        return t.tot.mitUmschalt;
    case Ebene::AltGr:
        break;
    }
    return 0;
}

} // namespace Tastatur

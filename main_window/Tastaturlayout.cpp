#include "main_window/Tastaturlayout.h"

namespace Tastaturlayout {

namespace {

using enum Tastenfeld;

constexpr double Drittel = 1.0 / 3.0;
constexpr double TastenBreite = 53 + Drittel; // one key, on a 56 px pitch
constexpr double Teilung = 56;
constexpr double Reihe[] = {288, 344, 400, 456, 512};

constexpr std::u16string_view Buchstaben1 = u"QWERTZUIOPÜASDFGHJKLÖÄYXCVBNM";
constexpr std::u16string_view Ziffern = u"0123456789";
constexpr std::u16string_view Zeichen = u"ß´+,.-<#^";

constexpr std::array<Tastenplatz, AnzahlTasten> baue()
{
    std::array<Tastenplatz, AnzahlTasten> t{};
    std::size_t n = 0;
    auto zeichen = [&](Tastenfeld feld, int index, double links, double oben,
                       std::u16string_view text) {
        t[n++] = {{feld, index},
                  links,
                  oben,
                  TastenBreite,
                  TastenBreite,
                  text.substr(std::size_t(index), 1),
                  {}};
    };
    auto sonder = [&](Tastenfeld feld, int index, double links, double oben, double breite,
                      std::u16string_view text, std::u16string_view bild) {
        t[n++] = {{feld, index}, links, oben, breite, TastenBreite, text, bild};
    };

    // Row 1: ^ 1..9 0 ß ´ Backspace
    zeichen(Zeichentaste, 8, 32, Reihe[0], Zeichen);
    for (int d = 1; d <= 9; ++d)
        zeichen(Zahlentasten, d, 88 + Teilung * (d - 1), Reihe[0], Ziffern);
    zeichen(Zahlentasten, 0, 592, Reihe[0], Ziffern);
    zeichen(Zeichentaste, 0, 648, Reihe[0], Zeichen);
    zeichen(Zeichentaste, 1, 704, Reihe[0], Zeichen);
    sonder(Ruecktaste, 0, 760, Reihe[0], 89, {}, u":/bilder/taste_ruecktaste.svg");

    // Row 2: Tab Q..Ü + Enter
    sonder(TabTaste, 0, 32, Reihe[1], 69 + Drittel, {}, u":/bilder/taste_tab.svg");
    for (int i = 0; i <= 10; ++i)
        zeichen(Buchstaben, i, 104 + Teilung * i, Reihe[1], Buchstaben1);
    zeichen(Zeichentaste, 2, 720, Reihe[1], Zeichen);
    t[n++] = {{Command4, 0}, 784, Reihe[1], 65, 109, {}, u":/bilder/taste_eingabe.svg"};

    // Row 3: Caps Lock A..Ä #
    sonder(LockTaste, 0, 32, Reihe[2], 76 + Drittel, {}, u":/bilder/taste_feststell.svg");
    for (int i = 11; i <= 21; ++i)
        zeichen(Buchstaben, i, 112 + Teilung * (i - 11), Reihe[2], Buchstaben1);
    zeichen(Zeichentaste, 7, 728, Reihe[2], Zeichen);

    // Row 4: Shift < Y..M , . - Shift
    sonder(ShiftTaste, 0, 32, Reihe[3], 52, {}, u":/bilder/taste_umschalt.svg");
    zeichen(Zeichentaste, 6, 88, Reihe[3], Zeichen);
    for (int i = 22; i <= 28; ++i)
        zeichen(Buchstaben, i, 144 + Teilung * (i - 22), Reihe[3], Buchstaben1);
    zeichen(Zeichentaste, 3, 536, Reihe[3], Zeichen);
    zeichen(Zeichentaste, 4, 592, Reihe[3], Zeichen);
    zeichen(Zeichentaste, 5, 648, Reihe[3], Zeichen);
    sonder(ShiftTaste, 1, 704, Reihe[3], 145, {}, u":/bilder/taste_umschalt.svg");

    // Row 5: Strg logo Alt space AltGr logo menu Strg
    sonder(Strgtaste, 0, 32, Reihe[4], 85, u"Strg", {});
    sonder(Command1, 0, 120, Reihe[4], TastenBreite, {}, u":/bilder/taste_logo.svg");
    sonder(Alttaste, 0, 176, Reihe[4], TastenBreite, u"Alt", {});
    sonder(LeerTaste, 2, 232, Reihe[4], 332 + Drittel, u"leer", {});
    sonder(AltGrTaste, 0, 568, Reihe[4], 61, u"Alt Gr", {});
    sonder(Command2, 0, 632, Reihe[4], 61, {}, u":/bilder/taste_logo.svg");
    sonder(Command3, 0, 696, Reihe[4], 69, {}, u":/bilder/taste_kontextmenue.svg");
    sonder(Strgtaste, 1, 768, Reihe[4], 80, u"Strg", {});
    return t;
}

} // namespace

const std::array<Tastenplatz, AnzahlTasten> Tabelle = baue();

} // namespace Tastaturlayout

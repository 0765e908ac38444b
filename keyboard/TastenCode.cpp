#include "keyboard/TastenCode.h"

#include <algorithm>

namespace TastenCode {

namespace {

using enum Tastenfeld;

constexpr std::u16string_view Buchstabencode = u"qwertzuiopüasdfghjklöäyxcvbnm";
constexpr std::u16string_view Zeichencode = u"ß´+,.-<#^";

constexpr std::array<TastenCodeEintrag, AnzahlTasten> baueTabelle()
{
    std::array<TastenCodeEintrag, AnzahlTasten> t{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < Buchstabencode.size(); ++i)
        t[n++] = {Buchstabencode[i], {Buchstaben, int(i)}};
    for (int d = 0; d <= 9; ++d)
        t[n++] = {char16_t(u'0' + d), {Zahlentasten, d}};
    for (std::size_t i = 0; i < Zeichencode.size(); ++i)
        t[n++] = {Zeichencode[i], {Zeichentaste, int(i)}};
    t[n++] = {u'\u00F8', {ShiftTaste, 0}};
    t[n++] = {u'\u00DE', {ShiftTaste, 1}};
    t[n++] = {u'\u00A9', {LockTaste, 0}};
    t[n++] = {u'\u00A6', {TabTaste, 0}};
    t[n++] = {u'\u00AC', {Ruecktaste, 0}};
    t[n++] = {u'\u00AB', {AltGrTaste, 0}};
    t[n++] = {u'\u00AA', {Alttaste, 0}};
    t[n++] = {u'\u00C7', {Strgtaste, 0}};
    t[n++] = {u'\u00C6', {Strgtaste, 1}};
    return t;
}

constexpr std::array<Taste, AnzahlTasten> baueRuecksetzfolge()
{
    std::array<Taste, AnzahlTasten> f{};
    std::size_t n = 0;
    for (int i = 0; i <= 9; ++i)
        f[n++] = {Zahlentasten, i};
    for (int i = 0; i <= 28; ++i)
        f[n++] = {Buchstaben, i};
    f[n++] = {ShiftTaste, 0};
    f[n++] = {ShiftTaste, 1};
    for (int i = 0; i <= 8; ++i)
        f[n++] = {Zeichentaste, i};
    f[n++] = {LockTaste, 0};
    f[n++] = {TabTaste, 0};
    f[n++] = {Ruecktaste, 0};
    f[n++] = {AltGrTaste, 0};
    f[n++] = {Alttaste, 0};
    f[n++] = {Strgtaste, 0};
    f[n++] = {Strgtaste, 1};
    return f;
}

} // namespace

const std::array<TastenCodeEintrag, AnzahlTasten> Tabelle = baueTabelle();
const std::array<Taste, AnzahlTasten> Ruecksetzfolge = baueRuecksetzfolge();

std::optional<Taste> tasteFuer(char16_t zeichen)
{
    const auto it =
        std::find_if(Tabelle.begin(), Tabelle.end(),
                     [zeichen](const TastenCodeEintrag &e) { return e.zeichen == zeichen; });
    if (it == Tabelle.end())
        return std::nullopt;
    return it->taste;
}

} // namespace TastenCode

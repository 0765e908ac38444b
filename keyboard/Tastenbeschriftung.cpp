#include "keyboard/Tastenbeschriftung.h"

#include <string_view>

namespace Tastenbeschriftung {

namespace {

constexpr std::u16string_view Klein = u"qwertzuiopüasdfghjklöäyxcvbnm";
constexpr std::u16string_view Gross = u"QWERTZUIOPÜASDFGHJKLÖÄYXCVBNM";
constexpr std::u16string_view Ziffern = u"0123456789";
constexpr std::u16string_view Zeichen = u"ß´+,.-<#^";
constexpr std::u16string_view ZeichenUmgeschaltet = u"?`*;:_>'°";
constexpr std::u16string_view Paragraf = u"§$%"; // Shift + 3, 4, 5
constexpr std::u16string_view Klammern = u"/()"; // Shift + 7, 8, 9

QString an(std::u16string_view text, int index)
{
    if (index < 0 || std::size_t(index) >= text.size())
        return {};
    return QString(QChar(text[std::size_t(index)]));
}

QString ziffernUmgeschaltet(int ziffer)
{
    switch (ziffer) {
    case 0:
        return QStringLiteral("=");
    case 1:
        return QStringLiteral("!");
    case 2:
        return QStringLiteral("\"");
    case 6:
        return QStringLiteral("&&");
    default:
        return ziffer < 6 ? an(Paragraf, ziffer - 3) : an(Klammern, ziffer - 7);
    }
}

} // namespace

QString beschriftung(Taste taste, Ebene ebene)
{
    const bool umgeschaltet = ebene == Ebene::MitUmschalt;
    switch (taste.feld) {
    case Tastenfeld::Buchstaben:
        return an(umgeschaltet ? Gross : Klein, taste.index);
    case Tastenfeld::Zahlentasten:
        if (taste.index < 0 || taste.index > 9)
            return {};
        return umgeschaltet ? ziffernUmgeschaltet(taste.index) : an(Ziffern, taste.index);
    case Tastenfeld::Zeichentaste:
        return an(umgeschaltet ? ZeichenUmgeschaltet : Zeichen, taste.index);
    default:
        return {};
    }
}

} // namespace Tastenbeschriftung

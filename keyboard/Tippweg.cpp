#include "keyboard/Tippweg.h"

namespace {

constexpr Taste Leertaste{Tastenfeld::LeerTaste, 2};
constexpr Ebene Ebenen[] = {Ebene::Ohne, Ebene::Umschalt, Ebene::AltGr};

QString alsText(char32_t zeichen)
{
    return QString::fromUcs4(&zeichen, 1);
}

// The press that types the character by itself.
std::optional<Tastendruck> direkt(const QString &zeichen)
{
    for (const Tastendaten &t : Tastatur::Tabelle) {
        for (Ebene e : Ebenen) {
            if (Tastatur::totakzent(t, e) == 0 && Tastatur::zeichen(t, e) == zeichen)
                return Tastendruck{t.taste, e};
        }
    }
    return std::nullopt;
}

// The dead-key press whose accent is `akzent` (a combining mark), or whose sign is `zeichen`.
std::optional<Tastendruck> totetasteFuer(QChar akzent, const QString &zeichen)
{
    for (const Tastendaten &t : Tastatur::Tabelle) {
        for (Ebene e : Ebenen) {
            const char16_t a = Tastatur::totakzent(t, e);
            if (a != 0 && (a == akzent || Tastatur::zeichen(t, e) == zeichen))
                return Tastendruck{t.taste, e};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Tippweg> Tippweg::fuer(char32_t zeichen)
{
    const QString text = alsText(zeichen);
    if (zeichen == U' ')
        return Tippweg{std::nullopt, {Leertaste}};
    if (const std::optional<Tastendruck> d = direkt(text))
        return Tippweg{std::nullopt, *d};
    if (const std::optional<Tastendruck> t = totetasteFuer({}, text))
        return Tippweg{t, {Leertaste}};
    // A letter with an accent falls apart into the letter and combining marks, the dead key's
    // last: ǘ is ü with the acute.
    const QString zerlegt = text.normalized(QString::NormalizationForm_D);
    if (zerlegt.size() < 2)
        return std::nullopt;
    const std::optional<Tastendruck> t = totetasteFuer(zerlegt.back(), {});
    const std::optional<Tastendruck> d =
        direkt(zerlegt.chopped(1).normalized(QString::NormalizationForm_C));
    if (!t || !d)
        return std::nullopt;
    return Tippweg{t, *d};
}

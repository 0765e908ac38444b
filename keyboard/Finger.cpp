#include "keyboard/Finger.h"

namespace Fingerfuehrung {

// clang-format off
const std::array<Fingerdaten, AnzahlFinger> Fingertabelle{{
    {Finger::LinksZeige,   u"Zeige",   u"Linker Zeigefinger",     240, u"  was macht der Zeigefinger.  ",   3, 5},
    {Finger::LinksMittel,  u"Mittel",  u"Linker Mittelfinger",    168, u"  was macht der Mittelfinger.  ",  2, 5},
    {Finger::LinksRing,    u"Ring",    u"Linker Ringfinger",       96, u"  was macht der Ringfinger.  ",    1, 5},
    {Finger::LinksKlein,   u"Kleiner", u"Linker kleiner Finger",   24, u"  was macht der kleine Finger.  ", 0, 5},
    {Finger::RechtsKlein,  u"Kleiner", u"Rechter kleiner Finger", 792, u"  was macht der kleine Finger.  ", 9, 4},
    {Finger::RechtsRing,   u"Ring",    u"Rechter Ringfinger",     720, u"  was macht der Ringfinger.  ",    8, 4},
    {Finger::RechtsMittel, u"Mittel",  u"Rechter Mittelfinger",   648, u"  was macht der Mittelfinger.  ",  7, 4},
    {Finger::RechtsZeige,  u"Zeige",   u"Rechter Zeigefinger",    576, u"  was macht der Zeigefinger.  ",   6, 4},
}};

const std::array<Markerdaten, AnzahlMarker> Markertabelle{{
    {{360, 152}, u"linker kleiner Finger"},
    {{368, 128}, u"linker Ringfinger"},
    {{384, 112}, u"linker Mittelfinger"},
    {{408, 112}, u"linker Zeigefinger"},
    {{440, 144}, u"linker Daumen"},
    {{464, 144}, u"rechter Daumen"},
    {{496, 112}, u"rechter Zeigefinger"},
    {{520, 112}, u"rechter Mittelfinger"},
    {{532, 128}, u"rechter Ringfinger"},
    {{544, 152}, u"rechter kleiner Finger"},
}};
// clang-format on

const Fingerdaten &daten(Finger finger)
{
    return Fingertabelle[std::size_t(qBound(0, int(finger), AnzahlFinger - 1))];
}

Hand hand(Finger finger)
{
    if (finger == Finger::Keiner || finger == Finger::Daumen)
        return Hand::Keine;
    return finger <= Finger::LinksKlein ? Hand::Links : Hand::Rechts;
}

QString sprechname(Finger finger)
{
    if (finger == Finger::Daumen)
        return QStringLiteral("Daumen");
    if (finger == Finger::Keiner)
        return {};
    QString name = daten(finger).name.toString();
    name[0] = name[0].toLower();
    return name;
}

} // namespace Fingerfuehrung

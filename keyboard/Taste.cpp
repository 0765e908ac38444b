#include "keyboard/Taste.h"

#include <array>

namespace {

struct Feldname
{
    QStringView name;
    bool istSteuerfeld; // a control array, addressed by index
};

// Indexed by Tastenfeld.
constexpr std::array<Feldname, 15> Feldnamen{{
    {u"Buchstaben", true},
    {u"Zahlentasten", true},
    {u"Zeichentaste", true},
    {u"ShiftTaste", true},
    {u"Strgtaste", true},
    {u"LockTaste", false},
    {u"TabTaste", false},
    {u"Rücktaste", false},
    {u"AltGrTaste", false},
    {u"Alttaste", false},
    {u"LeerTaste", true},
    {u"Command1", false},
    {u"Command2", false},
    {u"Command3", false},
    {u"Command4", false},
}};

} // namespace

QString Taste::objektname() const
{
    const Feldname &f = Feldnamen[std::size_t(feld)];
    QString name = f.name.toString();
    if (f.istSteuerfeld)
        name += QLatin1Char('_') + QString::number(index);
    return name;
}

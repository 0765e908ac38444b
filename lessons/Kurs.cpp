#include "lessons/Kurs.h"

#include "lessons/Lektionsdaten.h"

#include <QtGlobal>

namespace Kurs {

namespace {

int begrenzt(int lektion)
{
    return qBound(1, lektion, AnzahlLektionen);
}

const Lektionseintrag &eintrag(int lektion)
{
    return Lektionsdaten::Tabelle[std::size_t(lektion - 1)];
}

} // namespace

QString zeile(int lektion, int zeile)
{
    if (lektion < 1 || lektion > AnzahlLektionen || zeile < 1 || zeile > ZeilenJeLektion)
        return {};
    return QString::fromUtf16(eintrag(lektion).zeilen[std::size_t(zeile - 1)]);
}

QString erklaerung(int lektion)
{
    // The build step makes sure that lesson 1 has an explanation.
    for (int l = begrenzt(lektion); l >= 1; --l) {
        if (const char16_t *text = eintrag(l).erklaerung)
            return QString::fromUtf16(text);
    }
    return {};
}

QString neueTasten(int lektion)
{
    if (lektion < 1 || lektion > AnzahlLektionen)
        return {};
    return QString::fromUtf16(eintrag(lektion).neueTasten);
}

QString lernTasten(int lektion)
{
    QString tasten = QStringLiteral("A");
    for (int l = 1; l <= begrenzt(lektion); ++l)
        tasten += QString::fromUtf16(eintrag(l).neueTasten);
    return tasten;
}

} // namespace Kurs

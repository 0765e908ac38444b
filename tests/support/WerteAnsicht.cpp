#include "WerteAnsicht.h"

#include <algorithm>

WerteAnsicht::WerteAnsicht() : uebung(*this) {}

void WerteAnsicht::setzeFeldText(const QString &neu)
{
    if (neu == feld)
        return;
    feld = neu;
    cursor = std::min<int>(cursor, int(feld.size()));
    ++pruefungen;
    ++m_tiefe;
    verschachtelung = std::max(verschachtelung, m_tiefe);
    uebung.PruefeEingabe();
    --m_tiefe;
}

void WerteAnsicht::tippe(const QString &zeichen)
{
    uebung.FELD_KeyDown();
    if (!feldIstAktiv)
        return;
    setzeFeldText(feld + zeichen);
}

void WerteAnsicht::tippeZeile(const QString &z)
{
    for (qsizetype i = 0; i < z.size(); ++i) {
        const bool paar = i + 1 < z.size() && z[i].isHighSurrogate();
        tippe(z.mid(i, paar ? 2 : 1));
        if (paar)
            ++i;
    }
}

void WerteAnsicht::ersetzeFeld(const QString &neu)
{
    if (feldIstAktiv)
        setzeFeldText(neu);
}

#include "Uebungsprobe.h"

#include <algorithm>
#include <utility>

Uebungsprobe::Uebungsprobe() : uebung(*this)
{
    QObject::connect(&uebung, &Uebung::falschesZeichen, [this](const QString &e, const QString &g) {
        falsch.append({e, g});
        naechsteMeldung();
    });
    QObject::connect(&uebung, &Uebung::eingabeZuLang, [this] {
        ++zuLang;
        naechsteMeldung();
    });
    QObject::connect(&uebung, &Uebung::zeileGezeigt, [this](const QString &z) { zeile = z; });
    QObject::connect(&uebung, &Uebung::positionGeaendert, [this](int l, qint16 z) {
        lektion = l;
        positionZeile = z;
    });
    QObject::connect(&uebung, &Uebung::eingabeGeaendert, [this](const QString &e) { eingabe = e; });
    QObject::connect(&uebung, &Uebung::fehlerGezaehlt, [this](qint16 n) { fehler = n; });
    QObject::connect(&uebung, &Uebung::fehlerZurueckgesetzt, [this] { fehler = 0; });
    QObject::connect(&uebung, &Uebung::zeileGeschafft, [this](const QString &l, qint16 n) {
        ++geschafft;
        lektionText = l;
        fehlerfrei = n;
    });
    QObject::connect(&uebung, &Uebung::lektionBeendet, [this] { ++beendet; });
    QObject::connect(&uebung, &Uebung::wiederholenMoeglich, [this](bool m) { wiederholen = m; });
    QObject::connect(&uebung, &Uebung::lektionGewaehlt,
                     [this](int, const QString &tasten, const QString &text) {
                         lernTasten = tasten;
                         erklaerung = text;
                     });
}

void Uebungsprobe::naechsteMeldung()
{
    if (!waehrendDerMeldung)
        return;
    const std::function<void()> einmal = std::exchange(waehrendDerMeldung, nullptr);
    einmal();
}

void Uebungsprobe::starteLektion(int nummer)
{
    uebung.startwerteSetzen();
    uebung.startzeileSetzen();
    uebung.LektionWaehlen(nummer - 1);
}

void Uebungsprobe::setzeText(const QString &neu)
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

void Uebungsprobe::tippe(const QString &zeichen)
{
    uebung.FELD_KeyDown();
    if (!aktiv)
        return;
    setzeText(feld + zeichen);
}

void Uebungsprobe::tippeZeile(const QString &z)
{
    for (qsizetype i = 0; i < z.size(); ++i) {
        const bool paar = i + 1 < z.size() && z[i].isHighSurrogate();
        tippe(z.mid(i, paar ? 2 : 1));
        if (paar)
            ++i;
    }
}

void Uebungsprobe::ersetzeFeld(const QString &neu)
{
    if (aktiv)
        setzeText(neu);
}

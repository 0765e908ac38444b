#include "Mitschrift.h"

#include <utility>

Mitschrift::Mitschrift()
{
    auto schreib = [this](const QString &eintrag) { protokoll << eintrag; };
    QObject::connect(&uebung, &Uebung::lektionGewaehlt,
                     [this, schreib](int l, const QString &tasten, const QString &) {
                         lernTasten = tasten;
                         schreib(QStringLiteral("gewählt %1").arg(l));
                     });
    QObject::connect(&uebung, &Uebung::zeileGezeigt, [this, schreib](const QString &z) {
        zeile = z;
        schreib(QStringLiteral("zeile ") + z);
    });
    QObject::connect(&uebung, &Uebung::positionGeaendert, [this, schreib](int l, qint16 z) {
        lektion = l;
        zeileNr = z;
        schreib(QStringLiteral("position %1 %2").arg(l).arg(z));
    });
    QObject::connect(&uebung, &Uebung::eingabeGeaendert, [this, schreib](const QString &e) {
        eingabe = e;
        schreib(QStringLiteral("eingabe ") + e);
    });
    QObject::connect(&uebung, &Uebung::falschesZeichen, [this](const QString &e, const QString &g) {
        meldung(QStringLiteral("falsch ") + e + u'|' + g);
    });
    QObject::connect(&uebung, &Uebung::eingabeZuLang,
                     [this] { meldung(QStringLiteral("zu lang")); });
    QObject::connect(&uebung, &Uebung::fehlerGezaehlt, [this, schreib](qint16 n) {
        fehler = n;
        schreib(QStringLiteral("fehler %1").arg(n));
    });
    QObject::connect(&uebung, &Uebung::fehlerZurueckgesetzt, [this, schreib] {
        fehler = 0;
        schreib(QStringLiteral("fehler zurück"));
    });
    QObject::connect(&uebung, &Uebung::zeileGeschafft, [this, schreib](const QString &l, qint16 n) {
        fehlerfrei = n;
        schreib(QStringLiteral("geschafft %1 %2").arg(l).arg(n));
    });
    QObject::connect(&uebung, &Uebung::lektionBeendet,
                     [schreib] { schreib(QStringLiteral("beendet")); });
    QObject::connect(&uebung, &Uebung::wiederholenMoeglich, [this, schreib](bool m) {
        wiederholen = m;
        schreib(QStringLiteral("wiederholen %1").arg(m));
    });
}

void Mitschrift::meldung(const QString &text)
{
    meldungen << text;
    protokoll << text;
    if (waehrendDerMeldung)
        std::exchange(waehrendDerMeldung, nullptr)();
}

void Mitschrift::starteLektion(int nummer)
{
    uebung.starten();
    uebung.lektionWaehlen(nummer);
}

void Mitschrift::tippe(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool paar = i + 1 < text.size() && text[i].isHighSurrogate();
        uebung.tippe(Eingabe::taste(text.mid(i, paar ? 2 : 1)));
        if (paar)
            ++i;
    }
}

#include "main_window/Ansagetexte.h"

#include "engine/Zeichenkette.h"
#include "keyboard/Finger.h"
#include "keyboard/Tastatur.h"
#include "keyboard/Zeichenansage.h"
#include "lessons/Kurs.h"

namespace Ansagetexte {

namespace {

QString rest(const QString &zeile, const QString &getippt)
{
    return zeile.mid(Zeichenkette::anfang(zeile, Zeichenkette::anzahl(getippt)).size());
}

QString zeileMitNummer(int nummer, const QString &zeile)
{
    return QStringLiteral("Zeile %1, %2.").arg(nummer).arg(zeile);
}

} // namespace

QString lektionGewaehlt(int lektion, const QString &zeile)
{
    const QString neu = Zeichenansage::tasten(Kurs::neueTasten(lektion));
    return QStringLiteral("Lektion %1.").arg(lektion) +
           (neu.isEmpty() ? QString() : QStringLiteral(" Neu sind ") + neu + u'.') + u' ' +
           zeileMitNummer(1, zeile) + u' ' + erklaerung(lektion);
}

QString naechsteZeile(int nummer, const QString &zeile, int geschafft)
{
    return zeileMitNummer(nummer, zeile) +
           QStringLiteral(" %1 von %2 Zeilen geschafft.").arg(geschafft).arg(Kurs::ZeilenJeLektion);
}

QString zurueck(int nummer, const QString &zeile)
{
    return QStringLiteral("Eine Zeile zurück. ") + zeileMitNummer(nummer, zeile);
}

QString lektionBeendet(int lektion, int geschafft, int fehler)
{
    return QStringLiteral("Lektion %1 beendet, %2 von %3 Zeilen geschafft, %4 %5. Im Menü "
                          "Lektionen eine neue Lektion wählen, Alt öffnet die Menüleiste.")
        .arg(lektion)
        .arg(geschafft)
        .arg(Kurs::ZeilenJeLektion)
        .arg(fehler)
        .arg(QStringLiteral("Fehler"));
}

QString fehlerZurueckgesetzt()
{
    return QStringLiteral("Fehlerzähler auf null gestellt.");
}

QString finger(int index)
{
    const Fingerdaten &f = Fingerfuehrung::Fingertabelle[std::size_t(index)];
    return Fingerfuehrung::sprechname(f.finger) + QStringLiteral(", Tasten ") +
           Zeichenansage::tasten(Tastatur::fingerTasten(f.finger)) + u'.';
}

QString naechstesZeichen(const QString &zeile, const QString &getippt)
{
    const QString uebrig = rest(zeile, getippt);
    if (uebrig.isEmpty())
        return keineZeile();
    return Zeichenansage::naechstesZeichen(uebrig) + u'.';
}

QString restDerZeile(const QString &zeile, const QString &getippt)
{
    const QString uebrig = rest(zeile, getippt);
    if (uebrig.isEmpty())
        return keineZeile();
    return QStringLiteral("Rest der Zeile, ") + Zeichenansage::buchstabiert(uebrig) + u'.';
}

QString erklaerung(int lektion)
{
    return QStringLiteral("Zur Lektion, ") + Zeichenansage::sprechbar(Kurs::erklaerung(lektion)) +
           (Kurs::erklaerung(lektion).endsWith(u'.') ? QString() : QStringLiteral("."));
}

QString stand(int lektion, int zeile, int geschafft, int fehler)
{
    return QStringLiteral("Lektion %1, Zeile %2 von %3, %4 geschafft, %5 Fehler.")
        .arg(lektion)
        .arg(zeile)
        .arg(Kurs::ZeilenJeLektion)
        .arg(geschafft)
        .arg(fehler);
}

QString keineZeile()
{
    return QStringLiteral("Keine Zeile zu tippen. Im Menü Lektionen eine Lektion wählen, Alt "
                          "öffnet die Menüleiste.");
}

} // namespace Ansagetexte

// Writes what the desktop test expects to find, as JSON: the values the design fixes from the
// tests' one data place, the exercise lines from the program's own lesson table. Texts are
// written as the learner reads them, with real line breaks.
#include "Sollwerte.h"
#include "lessons/Kurs.h"
#include "lessons/Kursmasse.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString gezeigt(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QJsonArray liste(const QStringList &texte)
{
    return QJsonArray::fromStringList(texte);
}

} // namespace

int main(int argc, char **argv)
{
    using namespace Sollwerte;
    if (argc != 2)
        return 2;
    QJsonArray lektionen, menues, fehler, fortschritte;
    for (int lektion = 1; lektion <= Kurs::AnzahlLektionen; ++lektion) {
        QStringList zeilen;
        for (int zeile = 1; zeile <= Kurs::ZeilenJeLektion; ++zeile)
            zeilen.append(Kurs::zeile(lektion, zeile));
        lektionen.append(liste(zeilen));
        menues.append(liste(lektionsmenue(lektion)));
    }
    for (int anzahl = 0; anzahl <= Kurs::ZeilenJeLektion; ++anzahl) {
        fehler.append(fehlerzahl(anzahl));
        fortschritte.append(fortschritt(QStringLiteral("1"), anzahl));
    }
    const QJsonObject erwartet{
        {QStringLiteral("anwendungstitel"), anwendungstitel()},
        {QStringLiteral("versionszeile"), versionszeile()},
        {QStringLiteral("startknoepfe"), liste({starten(), verlassen()})},
        {QStringLiteral("anleitung"), anleitung()},
        {QStringLiteral("feldAmAnfang"), feldAmAnfang()},
        {QStringLiteral("lektionWaehlen"), lektionWaehlen()},
        {QStringLiteral("lektionBeendet"), lektionBeendet()},
        {QStringLiteral("zuLang"), zuLang()},
        {QStringLiteral("zuLangAb"), zuLangAb},
        // The expected and the typed character stand for %1 and %2.
        {QStringLiteral("falschesZeichen"),
         gezeigt(falschesZeichen(QStringLiteral("%1"), QStringLiteral("%2")))},
        {QStringLiteral("fehlerknopf"), fehlerknopf()},
        {QStringLiteral("fehlerzahl"), fehler},
        {QStringLiteral("wiederholen"), wiederholen()},
        {QStringLiteral("fortschrittLektion1"), fortschritte},
        {QStringLiteral("lektionen"), lektionen},
        {QStringLiteral("lektionsmenues"), menues},
        {QStringLiteral("beendenMenue"), liste(beendenMenue())},
        {QStringLiteral("kurzanleitungMenue"), liste(kurzanleitungMenue())},
        {QStringLiteral("ruecktasteTitel"), ruecktasteTitel()},
        {QStringLiteral("ruecktasteText"), gezeigt(ruecktasteText())},
        {QStringLiteral("uebungszeileFarbe"), bgr(uebungszeileFarbe).name().mid(1)},
    };
    QFile datei(QString::fromLocal8Bit(argv[1]));
    return datei.open(QIODevice::WriteOnly) && datei.write(QJsonDocument(erwartet).toJson()) > 0
               ? 0
               : 1;
}

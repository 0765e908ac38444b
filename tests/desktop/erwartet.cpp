// Writes what the desktop test expects to find, as JSON: the values the design fixes from the
// tests' one data place, the exercise lines from the program's own lesson table. Texts are
// written as the learner reads them, with real line breaks.
#include "Sollwerte.h"
#include "keyboard/Zeichenansage.h"
#include "lessons/Kurs.h"
#include "lessons/Kursmasse.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

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
    QJsonArray lektionen, menues, fehlerzahlen, fortschritte;
    // How the program names each character of the lessons in words; what the names are is
    // tested beside the program, here only that a screen reader speaks them.
    QJsonObject namen;
    for (int lektion = 1; lektion <= Kurs::AnzahlLektionen; ++lektion) {
        QStringList zeilen;
        for (int zeile = 1; zeile <= Kurs::ZeilenJeLektion; ++zeile) {
            zeilen.append(Kurs::zeile(lektion, zeile));
            for (const uint c : zeilen.last().toUcs4()) {
                const QString zeichen =
                    QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
                namen.insert(zeichen, Zeichenansage::name(zeichen));
            }
        }
        lektionen.append(liste(zeilen));
        menues.append(liste(lektionsmenue(lektion)));
    }
    for (int anzahl = 0; anzahl <= Kurs::ZeilenJeLektion; ++anzahl) {
        fehlerzahlen.append(fehler(anzahl));
        fortschritte.append(fortschritt(QStringLiteral("1"), anzahl));
    }
    const Box &rueck = *std::find_if(std::begin(Boxen), std::end(Boxen), [](const Box &b) {
        return QByteArray(b.feld) == "Rücktaste";
    });
    const Steuerelement &uebungszeile =
        *std::find_if(std::begin(Hauptfenster), std::end(Hauptfenster),
                      [](const Steuerelement &e) { return QByteArray(e.name) == "TextFeld"; });
    const QJsonObject erwartet{
        {QStringLiteral("anwendungstitel"), Anwendungstitel},
        {QStringLiteral("versionszeile"), Versionszeile},
        {QStringLiteral("startknoepfe"), liste({Starten, Verlassen})},
        {QStringLiteral("anleitung"), Anleitung},
        {QStringLiteral("feldAmAnfang"), FeldAmAnfang},
        {QStringLiteral("lektionWaehlen"), Auswahlaufforderung},
        {QStringLiteral("lektionBeendet"), LektionBeendet},
        {QStringLiteral("zuLang"), ZuLang},
        {QStringLiteral("zuLangAb"), Warnlaenge},
        // The expected and the typed character stand for %1 and %2.
        {QStringLiteral("falschesZeichen"),
         gezeigt(falschesZeichen(QStringLiteral("%1"), QStringLiteral("%2")))},
        {QStringLiteral("fehlerknopf"), FehlerAmAnfang},
        {QStringLiteral("fehlerzahl"), fehlerzahlen},
        {QStringLiteral("wiederholen"), Wiederholen},
        {QStringLiteral("fortschrittLektion1"), fortschritte},
        {QStringLiteral("lektionen"), lektionen},
        {QStringLiteral("zeichennamen"), namen},
        {QStringLiteral("lektionsmenues"), menues},
        {QStringLiteral("beendenMenue"), liste(BeendenMenue)},
        {QStringLiteral("kurzanleitungMenue"), liste(KurzanleitungMenue)},
        {QStringLiteral("ruecktasteTitel"), QString::fromUtf16(rueck.titel)},
        {QStringLiteral("ruecktasteText"), gezeigt(boxText(rueck.teile))},
        {QStringLiteral("uebungszeileFarbe"), bgr(uebungszeile.grund).name().mid(1)},
    };
    QFile datei(QString::fromLocal8Bit(argv[1]));
    return datei.open(QIODevice::WriteOnly) && datei.write(QJsonDocument(erwartet).toJson()) > 0
               ? 0
               : 1;
}

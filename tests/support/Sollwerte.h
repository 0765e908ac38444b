#pragma once

// What the learner must find, written down once for the tests that need it: the texts and values
// the exercise fixes, and the main window's keyboard: which key each character of a key string
// names, which keys each finger types, and where every key stands. The program's own tables are
// never consulted, so a wrong entry there cannot pass by agreeing with itself.

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cmath>

namespace Sollwerte {

// Colours are noted as 0x00BBGGRR, blue in the high byte.
inline QColor bgr(quint32 wert)
{
    return QColor(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}

// Positions are whole pixels or thirds of one, written to one decimal (53.3 is 53 1/3). Each
// edge is rounded on its own, so neighbouring keys meet without a gap.
inline QRect pixel(double links, double oben, double breite, double hoehe)
{
    auto drittel = [](double v) { return std::round(v * 3) / 3; };
    const int x = int(std::lround(drittel(links)));
    const int y = int(std::lround(drittel(oben)));
    return QRect(x, y, int(std::lround(drittel(links) + drittel(breite))) - x,
                 int(std::lround(drittel(oben) + drittel(hoehe))) - y);
}

// The exercise's message for a wrong character, its lines joined by single carriage returns.
inline QString falschesZeichen(const QString &erwartet, const QString &getippt)
{
    return QStringLiteral("Es sollte das Zeichen {%1} eingegeben werden.\rSie haben das Zeichen "
                          "{%2} eingegeben.\r\rBitte geben Sie das richtige Zeichen ein. Nehmen "
                          "Sie den richtigen Finger und ...\r... vorher mit dem rechten kleinen "
                          "Finger die Eingabetaste betätigen um dieses OK zu bestätigen.")
        .arg(erwartet, getippt);
}

// The application title, the caption of every message box that has no caption of its own.
inline QString anwendungstitel()
{
    return QStringLiteral("10-Finger Fingalo");
}

// What the start window's version line reads once it is shown.
inline QString versionszeile()
{
    return QStringLiteral("10-Finger Fingalo 3");
}

inline QString starten()
{
    return QStringLiteral("&Starten");
}

inline QString verlassen()
{
    return QStringLiteral("&Verlassen");
}

// The exercise line's back colour, pale yellow.
inline constexpr quint32 uebungszeileFarbe = 0x00ECFBFD;

// The exercise line before any lesson is chosen.
inline QString anleitung()
{
    return QStringLiteral(
        "Was hier im gelben Feld erscheint sind die Übungszeilen. Die muss man eintippen.");
}

// The input box before any lesson, and from a lesson's end until the next lesson is chosen.
inline QString feldAmAnfang()
{
    return QStringLiteral(" Lektion auswählen");
}

inline QString lektionWaehlen()
{
    return QString(40, QLatin1Char(' ')) + QStringLiteral("- Lektion auswählen -");
}

inline QString lektionBeendet()
{
    return QStringLiteral("Lektion beendet");
}

// Any key going down while the input box holds this many characters or more brings the warning.
inline constexpr int zuLangAb = 72;

inline QString zuLang()
{
    return QStringLiteral("TEXT ZU LANG");
}

// The error button as designed, and after `anzahl` wrong characters.
inline QString fehlerknopf()
{
    return QStringLiteral("Fehler &0");
}

// A count as the exercise writes it: a blank before it unless it is negative (1 gives " 1").
inline QString mitVorzeichen(int wert)
{
    return (wert < 0 ? QString() : QStringLiteral(" ")) + QString::number(wert);
}

inline QString fehlerzahl(int anzahl)
{
    return QStringLiteral("F.: ") + mitVorzeichen(anzahl);
}

inline QString wiederholen()
{
    return QStringLiteral("&Wiederholen");
}

// The window title after a completed line: `lektion` as the lesson was last shown (empty before
// any lesson), `fertig` completed lines.
inline QString fortschritt(const QString &lektion, int fertig)
{
    return QStringLiteral("Lektion: ") + lektion + QStringLiteral("- Fehlerfrei: ") +
           mitVorzeichen(fertig) + QStringLiteral(" von 15 Reihen.");
}

// Menu paths, from the menu bar to the item.
inline QStringList lektionsmenue(int lektion)
{
    static const char *const gruppen[] = {"1-10", "11-20", "21-30"};
    const int gruppe = (lektion - 1) / 10;
    return {QStringLiteral("Lektionen"), QString::fromLatin1(gruppen[gruppe]),
            QStringLiteral("%1 %2")
                .arg(gruppe == 2 ? QStringLiteral("Lekt.") : QStringLiteral("Lek."))
                .arg(lektion, 2, 10, QLatin1Char('0'))};
}

inline QStringList beendenMenue()
{
    return {QStringLiteral("Programm"), QStringLiteral("Beenden")};
}

inline QStringList kurzanleitungMenue()
{
    return {QStringLiteral("Hilfe"), QStringLiteral("Kurzanleitung")};
}

// The Backspace key's explanation: the box's caption and its text.
inline QString ruecktasteTitel()
{
    return QStringLiteral("RÜCKTASTE");
}

inline QString ruecktasteText()
{
    return QStringLiteral(
        "Mit der Rücktaste kann man eine (oder auch mehrere) Fehleingabe löschen.");
}

inline QString taste(const char *feld, int index)
{
    const QString name = QString::fromUtf8(feld);
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

struct CodeTaste
{
    QChar zeichen;
    QString name;      // object name of the key button
    bool zeichentaste; // one of the 48 character keys, else a function key
};

// The 57 characters of a key string and the keys they name.
inline QList<CodeTaste> tastenCode()
{
    struct Zeile
    {
        const char16_t *zeichen;
        const char *feld;
        int ersterIndex; // -1: a single key without index
        bool zeichentaste;
    };
    // clang-format off
    static const Zeile zeilen[] = {
        {u"qwertzuiopü", "Buchstaben", 0, true},
        {u"asdfghjklöä", "Buchstaben", 11, true},
        {u"yxcvbnm", "Buchstaben", 22, true},
        {u"0123456789", "Zahlentasten", 0, true},
        {u"ß´+,.-<#^", "Zeichentaste", 0, true},
        {u"\u00F8", "ShiftTaste", 0, false},
        {u"\u00DE", "ShiftTaste", 1, false},
        {u"\u00A9", "LockTaste", -1, false},
        {u"\u00A6", "TabTaste", -1, false},
        {u"\u00AC", "Rücktaste", -1, false},
        {u"\u00AB", "AltGrTaste", -1, false},
        {u"\u00AA", "Alttaste", -1, false},
        {u"\u00C7", "Strgtaste", 0, false},
        {u"\u00C6", "Strgtaste", 1, false},
    };
    // clang-format on
    QList<CodeTaste> code;
    for (const Zeile &z : zeilen) {
        const QString zeichen = QString::fromUtf16(z.zeichen);
        for (int i = 0; i < zeichen.size(); ++i)
            code.append({zeichen[i], taste(z.feld, z.ersterIndex < 0 ? -1 : z.ersterIndex + i),
                         z.zeichentaste});
    }
    return code;
}

struct Fingerfuehrung
{
    int finger;
    QString tasten; // key string
    int roterMarker;
    int gelberMarker;
};

inline QList<Fingerfuehrung> fingerfuehrung()
{
    // clang-format off
    return {
        {0, QStringLiteral("rtfgvb56"), 3, 5},
        {1, QStringLiteral("4edc"), 2, 5},
        {2, QStringLiteral("3wsx"), 1, 5},
        {3, QStringLiteral("12qay^<\u00F8\u00C7\u00AA\u00A9\u00A6"), 0, 5},
        {4, QStringLiteral("pöüä-ß´+#\u00DE\u00C6\u00AB\u00AC"), 9, 4},
        {5, QStringLiteral("0ol."), 8, 4},
        {6, QStringLiteral("9ik,"), 7, 4},
        {7, QStringLiteral("zuhjnm78"), 6, 4},
    };
    // clang-format on
}

enum class Bild { Keins, Pfeil, Glyphe };

struct TastenPlatz
{
    QString name;
    QRect platz;
    QString beschriftung;
    qreal punkte;
    Bild bild;
};

// All 62 keys in their design state, row by row from left to right.
inline QList<TastenPlatz> tastatur()
{
    struct Zeile
    {
        const char *feld;
        int ersterIndex; // -1: a single key without index
        int anzahl;      // keys on a 56 px pitch, captioned one character each
        double links, oben, breite, hoehe;
        const char16_t *beschriftung;
        qreal punkte;
        Bild bild;
    };
    using enum Bild;
    // clang-format off
    static const Zeile zeilen[] = {
        {"Zeichentaste", 8, 1, 32, 288, 53.3, 53.3, u"^", 18, Keins},
        {"Zahlentasten", 1, 9, 88, 288, 53.3, 53.3, u"123456789", 18, Keins},
        {"Zahlentasten", 0, 1, 592, 288, 53.3, 53.3, u"0", 18, Keins},
        {"Zeichentaste", 0, 1, 648, 288, 53.3, 53.3, u"ß", 18, Keins},
        {"Zeichentaste", 1, 1, 704, 288, 53.3, 53.3, u"´", 18, Keins},
        {"Rücktaste", -1, 1, 760, 288, 89, 53.3, u"", 18, Pfeil},
        {"TabTaste", -1, 1, 32, 344, 69.3, 53.3, u"", 18, Pfeil},
        {"Buchstaben", 0, 11, 104, 344, 53.3, 53.3, u"QWERTZUIOPÜ", 18, Keins},
        {"Zeichentaste", 2, 1, 720, 344, 53.3, 53.3, u"+", 18, Keins},
        {"Command4", -1, 1, 784, 344, 65, 109, u"", 18, Pfeil},
        {"LockTaste", -1, 1, 32, 400, 76.3, 53.3, u"", 18, Pfeil},
        {"Buchstaben", 11, 11, 112, 400, 53.3, 53.3, u"ASDFGHJKLÖÄ", 18, Keins},
        {"Zeichentaste", 7, 1, 728, 400, 53.3, 53.3, u"#", 18, Keins},
        {"ShiftTaste", 0, 1, 32, 456, 52, 53.3, u"", 18, Pfeil},
        {"Zeichentaste", 6, 1, 88, 456, 53.3, 53.3, u"<", 18, Keins},
        {"Buchstaben", 22, 7, 144, 456, 53.3, 53.3, u"YXCVBNM", 18, Keins},
        {"Zeichentaste", 3, 1, 536, 456, 53.3, 53.3, u",", 18, Keins},
        {"Zeichentaste", 4, 1, 592, 456, 53.3, 53.3, u".", 18, Keins},
        {"Zeichentaste", 5, 1, 648, 456, 53.3, 53.3, u"-", 18, Keins},
        {"ShiftTaste", 1, 1, 704, 456, 145, 53.3, u"", 18, Pfeil},
        {"Strgtaste", 0, 1, 32, 512, 85, 53.3, u"Strg", 14.25, Keins},
        {"Command1", -1, 1, 120, 512, 53.3, 53.3, u"", 18, Glyphe},
        {"Alttaste", -1, 1, 176, 512, 53.3, 53.3, u"Alt", 14.25, Keins},
        {"LeerTaste", 2, 1, 232, 512, 332.3, 53.3, u"leer", 14.25, Keins},
        {"AltGrTaste", -1, 1, 568, 512, 61, 53.3, u"Alt Gr", 14.25, Keins},
        {"Command2", -1, 1, 632, 512, 61, 53.3, u"", 18, Glyphe},
        {"Command3", -1, 1, 696, 512, 69, 53.3, u"", 18, Glyphe},
        {"Strgtaste", 1, 1, 768, 512, 80, 53.3, u"Strg", 14.25, Keins},
    };
    // clang-format on
    QList<TastenPlatz> tasten;
    for (const Zeile &z : zeilen) {
        const QString text = QString::fromUtf16(z.beschriftung);
        for (int i = 0; i < z.anzahl; ++i) {
            const QString name = taste(z.feld, z.ersterIndex < 0 ? -1 : z.ersterIndex + i);
            tasten.append({name, pixel(z.links + 56 * i, z.oben, z.breite, z.hoehe),
                           z.anzahl > 1 ? text.mid(i, 1) : text, z.punkte, z.bild});
        }
    }
    return tasten;
}

} // namespace Sollwerte

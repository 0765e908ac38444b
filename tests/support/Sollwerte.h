#pragma once

// What the learner must be given, written down once for every test: the texts the program shows
// as the design words them, the limits it keeps, the main window's keyboard (which key each
// character of a key string names, which keys each finger types, where every key stands, what the
// AltGr layer types) and how a few characters are spoken. The program's own tables are never
// consulted, so a wrong entry there cannot pass by agreeing with itself. The desktop test reads
// these values too, exported by tests/desktop.

#include <QList>
#if __has_include(<QColor>)
#include <QColor>
#endif
#include <QRect>
#include <QString>
#include <cmath>

namespace Sollwerte {

// The caption of every message box that has no caption of its own.
inline const QString Anwendungstitel = QStringLiteral("10-Finger Fingalo");

// The input box warns at every key from this length on.
inline constexpr int Warnlaenge = 72;
inline const QString ZuLang = QStringLiteral("TEXT ZU LANG");

// What the input box shows before the first lesson, and between lessons.
inline const QString FeldAmAnfang = QStringLiteral(" Lektion auswählen");
inline const QString Auswahlaufforderung =
    QString(40, QLatin1Char(' ')) + QStringLiteral("- Lektion auswählen -");

// The exercise line the load handler shows before any lesson.
inline const QString Anleitung = QStringLiteral(
    "Was hier im gelben Feld erscheint sind die Übungszeilen. Die muss man eintippen.");

// The lesson's end: the exercise line and the lesson text.
inline const QString LektionBeendet = QStringLiteral("Lektion beendet");
inline const QString NeueLektion = QStringLiteral("\r\r--- NEUE LEKTION WÄHLEN ---");

// The window title after `fehlerfrei` completed lines of lesson `lektion` ("" before any).
inline QString fortschritt(const QString &lektion, int fehlerfrei)
{
    return QStringLiteral("Lektion: %1- Fehlerfrei:  %2 von 15 Reihen.")
        .arg(lektion)
        .arg(fehlerfrei);
}

// The error button: its design caption, after `n` wrong characters, and after a reset.
inline const QString FehlerAmAnfang = QStringLiteral("Fehler &0");
inline QString fehler(int n)
{
    return QStringLiteral("F.:  %1").arg(n);
}
inline const QString FehlerZurueckgesetzt = QStringLiteral("0");

// The lesson and line indicator.
inline QString lektionUndZeile(int lektion, int zeile)
{
    return QStringLiteral("Lekt.: %1, Zeile:  %2").arg(lektion).arg(zeile);
}

#if __has_include(<QColor>) // the fuzzer builds with Qt Core alone
// Colours are noted as 0x00BBGGRR, blue in the high byte.
inline QColor bgr(quint32 wert)
{
    return QColor(int(wert & 0xFF), int((wert >> 8) & 0xFF), int((wert >> 16) & 0xFF));
}
#endif

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

inline QString taste(const char *feld, int index)
{
    const QString name = QString::fromUtf8(feld);
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

// System colours, by the codes the design writes them with, and the colours the design names.
inline constexpr quint32 Knopftext = 0x80000012;
inline constexpr quint32 Knopfflaeche = 0x8000000F;
inline constexpr quint32 Fenstertext = 0x80000008;
inline constexpr quint32 Fensterfarbe = 0x00E0E0E0;
inline constexpr quint32 Tastenfarbe = 0x00D5ECF2;
inline constexpr Qt::CursorShape Zeigehand = Qt::BitmapCursor;

// The main window's controls above the keyboard and the lesson text below it.
struct Steuerelement
{
    const char *name;
    double links, oben, breite, hoehe;
    const char16_t *text; // null: the load handler replaces it
    const char16_t *tooltip;
    qreal punkte;
    bool fett;
    quint32 grund; // for transparent labels, the window's colour behind them
    quint32 schrift;
    bool rand; // a single line around it
    Qt::CursorShape zeiger;
    bool mittig; // text centred
};

// clang-format off
inline const Steuerelement Hauptfenster[] = {
    {"TextFeld", 16, 8, 841, 31, nullptr, u"  Alles was hier steht muss man \"abtippen\".  ", 14.25, false, 0x00ECFBFD, Knopftext, true, Qt::ArrowCursor, false},
    {"MeinText", 16, 40, 841, 33, u"_", u"", 14.25, false, Knopfflaeche, Knopftext, true, Qt::ArrowCursor, false},
    {"Bezeichnung1_0", 120, 76.7, 89, 17, u"linke Hand", u"", 12, false, Fensterfarbe, 0x00000000, false, Qt::ArrowCursor, true},
    {"Bezeichnung1_1", 664, 76.7, 113, 17, u"rechte Hand", u"", 12, false, Fensterfarbe, 0x00000000, false, Qt::ArrowCursor, true},
    {"Bezeichnung1_2", 352, 80, 217, 17, u"Die aktiven Finger", u"", 12, false, Fensterfarbe, 0x00000000, false, Qt::ArrowCursor, true},
    {"Finger_3", 24, 96, 66.7, 53.3, u"Kleiner", u"  was macht der kleine Finger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"Finger_2", 96, 96, 66.7, 53.3, u"Ring", u"  was macht der Ringfinger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"Finger_1", 168, 96, 66.7, 53.3, u"Mittel", u"  was macht der Mittelfinger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"Finger_0", 240, 96, 66.7, 53.3, u"Zeige", u"  was macht der Zeigefinger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"Finger_7", 576, 96, 66.7, 53.3, u"Zeige", u"  was macht der Zeigefinger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"Finger_6", 648, 96, 66.7, 53.3, u"Mittel", u"  was macht der Mittelfinger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"Finger_5", 720, 96, 66.7, 53.3, u"Ring", u"  was macht der Ringfinger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"Finger_4", 792, 96, 66.7, 53.3, u"Kleiner", u"  was macht der kleine Finger.  ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"ZeigeTasten_0", 24, 152, 193, 41, u"ohne Umschalttaste", u" ohne Umschalttaste ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"ZeigeTasten_1", 24, 192, 193, 41, u"mit Umschalttaste", u" mit Umschalttaste ", 12, false, 0x00C0FFC0, Knopftext, false, Zeigehand, false},
    {"EndE", 224, 152, 121, 41, u"&ENDE", u"  Programm verlassen.  ", 9.75, true, 0x00C0C0FF, Knopftext, false, Zeigehand, false},
    {"FehlerTaste", 224, 192, 121, 41, u"Fehler &0", u"  Fehler wieder auf 0 stellen.  ", 12, false, 0x00FFC0C0, Knopftext, false, Zeigehand, false},
    {"Wiederholen", 576, 152, 281, 41, u"&Wiederholen", u"Beendete Lektion wiederholen.", 12, false, 0x00FFFFC0, Knopftext, false, Zeigehand, false},
    {"FelD2", 576, 197, 281, 39, u"Lektion", u"  Lektion / Zeile  ", 20.25, false, 0x0080FFFF, Fenstertext, true, Qt::ArrowCursor, true},
    {"FELD", 24, 240, 833, 37, u" Lektion auswählen", u"", 14.25, true, 0x00FFFFFF, 0x000000FF, false, Qt::IBeamCursor, false},
    {"Text", 24, 584, 833, 93, u"TEXT ZUR LEKTION", u"", 12, false, 0x00E0E0E0, 0x00800080, false, Qt::ArrowCursor, true},
};
// clang-format on

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

// What the keys type with AltGr, in pairs: the key's character in a key string, then the one it
// types.
inline const QString AltGr = QStringLiteral("q@e€mµ2²3³7{8[9]0}ß\\+~<|");

enum class Sprechform { Name, Anschlag, NaechstesZeichen, FalschesZeichen };

struct Gesprochen
{
    Sprechform form;
    QString zeichen;
    QString getippt; // the wrong character, for the alert only
    QString text;
};

// What a listener hears, in the forms that the accessibility requirements quote, with two
// signs put into words: "´" is spoken as "Akut", since a speech synthesizer says nothing for
// it, and a comma stands for the colon, which a screen reader at its default punctuation level
// reads out as "Doppelpunkt".
inline QList<Gesprochen> gesprochen()
{
    using enum Sprechform;
    using namespace Qt::StringLiterals;
    return {
        {Name, u" "_s, {}, u"Leerzeichen"_s},
        {Name, u"F"_s, {}, u"großes F"_s},
        {Name, u"é"_s, {}, u"e mit Akut, erst Akut, dann e"_s},
        {Anschlag,
         u"é"_s,
         {},
         u"erst Akut mit dem rechten kleinen Finger, dann e mit dem linken Mittelfinger"_s},
        {NaechstesZeichen,
         u"F"_s,
         {},
         u"Nächstes Zeichen, großes F, linker Zeigefinger, mit rechter Umschalttaste"_s},
        {FalschesZeichen, u" "_s, u"x"_s, u"Richtig, Leerzeichen. Getippt, x."_s},
    };
}

} // namespace Sollwerte

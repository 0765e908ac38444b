#pragma once

// What the learner must be given, written down once for every test: the texts the program shows
// as the design words them, the limits it keeps, the main window's keyboard (which key each
// character of a key string names, which keys each finger types, where every key stands, what the
// AltGr layer types) and how a few characters are spoken. The program's own tables are never
// consulted, so a wrong entry there cannot pass by agreeing with itself. The desktop test reads
// these values too, exported by tests/desktop.

#include <QList>
#include <QPoint>
#include <QSize>
#include <QStringList>
#if __has_include(<QColor>)
#include <QColor>
#endif
#include <QRect>
#include <QString>
#include <cmath>

namespace Sollwerte {

using namespace Qt::StringLiterals;

// The caption of every message box that has no caption of its own.
inline const QString Anwendungstitel = QStringLiteral("10-Finger Fingalo");

// The face Arial and MS Sans Serif come out in on this machine.
inline const QString Schriftart = QStringLiteral("Liberation Sans");

// The client areas of the two windows, and the custom pointers.
inline constexpr QSize Hauptfenstergroesse(869, 683);
inline constexpr QSize Startfenstergroesse(635, 474);
inline constexpr QSize Zeigergroesse(32, 32);
inline constexpr QSize Fenstersymbol(32, 32); // the main window's icon

// The input box warns at every key from this length on.
inline constexpr int Warnlaenge = 72;
inline const QString ZuLang = QStringLiteral("TEXT ZU LANG");

// What the input box shows before the first lesson, and between lessons.
inline const QString FeldAmAnfang = QStringLiteral(" Lektion auswählen");
inline const QString Auswahlaufforderung =
    QString(40, QLatin1Char(' ')) + QStringLiteral("- Lektion auswählen -");

// The exercise line as designed, before the load handler replaces it.
inline const QString TextFeldEntwurf = QStringLiteral(" Kleiner 10-Finger Fingalo / Ausgabefeld");

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

// The start window's version line once it is shown, and its two buttons.
inline const QString Versionszeile = QStringLiteral("10-Finger Fingalo 3");
inline const QString Starten = QStringLiteral("&Starten");
inline const QString Verlassen = QStringLiteral("&Verlassen");

inline const QString Wiederholen = QStringLiteral("&Wiederholen");

// Menu paths, from the menu bar to the item.
inline QStringList lektionsmenue(int lektion)
{
    const int gruppe = (lektion - 1) / 10;
    return {QStringLiteral("Lektionen"),
            QStringLiteral("%1-%2").arg(gruppe * 10 + 1).arg(gruppe * 10 + 10),
            QStringLiteral("%1 %2")
                .arg(gruppe == 2 ? QStringLiteral("Lekt.") : QStringLiteral("Lek."))
                .arg(lektion, 2, 10, QLatin1Char('0'))};
}
inline const QStringList BeendenMenue = {QStringLiteral("Programm"), QStringLiteral("Beenden")};
inline const QStringList KurzanleitungMenue = {QStringLiteral("Hilfe"),
                                               QStringLiteral("Kurzanleitung")};

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
inline constexpr quint32 Marineblau = 0x00800000; // the start window's rules, a clicked `Text`
inline constexpr Qt::CursorShape Zeigehand = Qt::BitmapCursor;

// The finger markers over the hands: 17 px circles in light aqua with a silver outline, lit red
// for the finger and yellow for the other hand's thumb.
inline constexpr int Markergroesse = 17;
inline constexpr quint32 Markerfarbe = 0x00FFFF80;
inline constexpr quint32 Markerrand = 0x00C0C0C0;
inline constexpr quint32 MarkerRot = 0x000000FF;
inline constexpr quint32 MarkerGelb = 0x0000FFFF;
inline const QPoint Marker[] = {{360, 152}, {368, 128}, {384, 112}, {408, 112}, {440, 144},
                                {464, 144}, {496, 112}, {520, 112}, {532, 128}, {544, 152}};

// The hands picture, shown unscaled, and the panel behind the keys with its 2 px outline.
inline constexpr QRect Haende(360, 112, 202, 133);
inline constexpr QRect Tastenflaeche(24, 280, 833, 297);

// The keys' font sizes: character keys and function keys, each unmarked and marked.
inline constexpr qreal Zeichenpunkte = 12, ZeichenpunkteMarkiert = 18;
inline constexpr qreal Funktionspunkte = 8, FunktionspunkteMarkiert = 10;
inline const QString EingabetasteTooltip = QStringLiteral(" Die Eingabetaste: Enter ");
// Picture keys show their picture 6 to 16 px high and 19 to 54 px wide.
inline constexpr QSize KleinstesTastenbild(19, 6), GroesstesTastenbild(54, 16);

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

inline const QString Lektion19 =
    QStringLiteral("AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867+#<^");
inline const QString AlleGelernt = QStringLiteral(
    "Alle Zeichen wurden gelernt. Die weiteren Lektionen sind Übungen und fertige Zeilen. Es wäre "
    "gut diese zu wiederholen und dann immer etwas schneller zu tippen.");

// The lesson catalogue: every lesson's learnt-key string and explanation.
struct Lektion
{
    int nummer;
    QString gelernt;    // learnt-key string
    QString erklaerung; // CR between two parts
};

// clang-format off
inline const Lektion Katalog[] = {
    {1, u"Aasdfjklö_"_s, u"Grundstellung: Die Daumen über der Leertaste. Linke Hand, bzw rechte Hand entsprechend auflegen. Die linke Hand beginnt mit dem kleinen Finger auf 'A' und endet mit Zeigefinger auf 'F'. Die rechte Hand entsprechend. rechte Hand Zeigefinger auf j usw."_s},
    {2, u"AasdfjklöøÞ"_s, u"Großschreibung: Wenn die linke Hand (z.B. ASDF) eine Taste groß schreiben will, dann muss die rechte Hand zuerst die Umschalttaste (rechts vom - unter der Eingabetaste) gedrückt halten. Entsprechend auf der anderen Seite (links vom Y, wenn ein rechter Buchstabe groß geschrieben werden soll)."_s},
    {3, u"AasdfjklöøÞgh"_s, u"Zusätzliche Tasten für die Zeigefinger: gh.\rMit Umschalttaste: GH."_s},
    {4, u"AasdfjklöøÞgh,.ei"_s, u"Die neuen Tasten sind: ei, aber auch Punkt und Komma."_s},
    {5, u"AasdfjklöøÞgh,.eiru"_s, u"ru RU"_s},
    {6, u"AasdfjklöøÞgh,.eiruwo"_s, u"wo WO"_s},
    {7, u"AasdfjklöøÞgh,.eiruwotz"_s, u"tz TZ"_s},
    {8, u"AasdfjklöøÞgh,.eiruwotzvm"_s, u"vm VM"_s},
    {9, u"AasdfjklöøÞgh,.eiruwotzvmbn"_s, u"bn BN"_s},
    {10, u"AasdfjklöøÞgh,.eiruwotzvmbnxc"_s, u"xc XC"_s},
    {11, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqp"_s, u"qp QP"_s},
    {12, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy"_s, u"aü ÄÜ yY"_s},
    {13, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß"_s, u"- ß"_s},
    {14, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´"_s, u"12 ! \u00B4-Akzent (mit Umschalttaste \u0060)\rUm den Akzent zu erhalten diesen zuerst anklicken und danach den Buchstaben wählen. Möglich sind die Zeichen: áà éè íì óò úù ý"_s},
    {15, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30"_s, u"30"_s},
    {16, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´3049"_s, u"49"_s},
    {17, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867"_s, u"5678 %&/()"_s},
    {18, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867+#"_s, u"+* #'\r²µ[] (AltGr-Taste!)"_s},
    {19, Lektion19, u"<> ^°\rDas ^-Zeichen zuerst (loslassen), dann den Buchstaben drücken."_s},
    {20, Lektion19, AlleGelernt}, {21, Lektion19, AlleGelernt}, {22, Lektion19, AlleGelernt},
    {23, Lektion19, AlleGelernt}, {24, Lektion19, AlleGelernt}, {25, Lektion19, AlleGelernt},
    {26, Lektion19, AlleGelernt}, {27, Lektion19, AlleGelernt}, {28, Lektion19, AlleGelernt},
    {29, Lektion19, AlleGelernt}, {30, Lektion19, AlleGelernt},
};
// clang-format on

// The lines the course is built around, word for word at their places: lessons 1 and 2 entirely,
// and in every later lesson the line that shows its manner, oddities included.
struct FesteZeile
{
    int lektion;
    int zeile;
    const char *text;
};
// clang-format off
inline const FesteZeile FesteZeilen[] = {
    {1, 1, "ffff ffff ffff ffff ffff ffff ffff ffff ffff"},
    {1, 2, "jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj"},
    {1, 3, "dddd kkkk dddd kkkk dddd kkkk dddd kkkk dddd"},
    {1, 4, "fdf jkj fdf jkj fdf jkj fdf jkj fdf jkj fdf"},
    {1, 5, "dfd kjk dfd kjk dfd kjk dfd kjk dfd kjk dfd"},
    {1, 6, "fds jkl fds jkl fds jkl fds jkl fds jkl fds"},
    {1, 7, "fsf jlj fsf jlj fsf jlj fsf jlj fsf jlj fsf"},
    {1, 8, "fdsa jklö fdsa jklö fdsa jklö fdsa jklö fdsa"},
    {1, 9, "asdf ölkj asdf ölkj asdf ölkj asdf ölkj asdf"},
    {1, 10, "fad fad las las fad fad las las fad fad las fad"},
    {1, 11, "las las als als las las als als las las las"},
    {1, 12, "all all das das all all das das all all dass dass"},
    {1, 13, "lös all das lös all das lös all das lös all das"},
    {1, 14, "das all das all lös all lös all das lös das all"},
    {1, 15, "das all ölla allö sad las alla dalla öl das all"},
    {2, 1, "Ffff Ffff Ffff Ffff Ffff Ffff Ffff Ffff"},
    {2, 2, "Jjjj Jjjj Jjjj Jjjj Jjjj Jjjj Jjjj Jjjj"},
    {2, 3, "Dddd Kkkk Dddd Kkkk Dddd Kkkk Dddd Kkkk"},
    {2, 4, "Fdf Jkj Fdf Jkj Fdf Jkj Fdf Jkj Fdf Jkj"},
    {2, 5, "Dfd Kjk Dfd Kjk Dfd Kjk Dfd Kjk Dfd Kjk"},
    {2, 6, "Fds Jkl Fds Jkl Fds Jkl Fds Jkl Fds Jkl"},
    {2, 7, "Fsf Jlj Fsf Jlj Fsf Jlj Fsf Jlj Fsf Jlj"},
    {2, 8, "Fdsa Jklö Fdsa Jklö Fdsa Jklö Fdsa Jklö"},
    {2, 9, "Asdf Ölkj Asdf Ölkj Asdf Ölkj Asdf Ölkj"},
    {2, 10, "Fad Fad Las Las Fad Fad Las Las Fad Fad"},
    {2, 11, "Las Las Als Als Las Las Als Als Las Las"},
    {2, 12, "All all Das das All all Das das All all"},
    {2, 13, "Lös all das Lös all das Lös all das Lös"},
    {2, 14, "Das all Das all Lös all Lös all das Lös"},
    {2, 15, "Das Öl Das Dallas Öl das Aas Ja das Öl"},
    {3, 2, "dfg dfg kjh kjh kjh kjh dfg dfg kjh kjh"},
    {4, 1, "fded fded aded aded jkik jkik jkik jkik"},
    {5, 3, "dfrf dfrf dfrf afrf afrf afrf dfrf afrf"},
    {5, 6, "faul flau klau klug klar darf klar frei"},
    {6, 3, "asws asws dsws dsws asws asws dsws dsws"},
    {7, 2, "kjuj kjuj kjzj kjzj ljuj ljuj ljzj ljzj"},
    {7, 6, "Herz Geiz Reiz Satz Witz Arzt Zitat oft"},
    {8, 4, "ömlmkmjm ömlmkmjm mj mk ml mö kjm klmöm"},
    {8, 6, "vor vor vom vom mal mal mir mir mit mit"},
    {9, 3, "kjmj kjnj kjmj kjnj kjmj kjnj kjmj kjnj"},
    {10, 6, "Ecke Text flexibel exakt schlecht Sucht"},
    {11, 5, "Qual Qual Qual Quiz Quiz Quiz Qual Quiz"},
    {12, 2, "löäö löäö löäö köäö köäö köäö jöäö jöäö"},
    {13, 4, "größer flößen flößten größere grüßten"},
    {13, 10, "Wo war er? Warum geht das nicht? Wie?"},
    {14, 1, "eé eé eé eé a1 a1 a1 eé dé fé gé lé té"},
    {14, 2, "q1 q1 a1 a1 w2 w2 s2 s2 aq1 sw2 aq1 sw2"},
    {15, 2, "s3s s§s s3s s§s s3s s§s s3s s§s s3s s§s"},
    {16, 4, "1000, 2000, 3000, 4000, 9000 und 10.000"},
    {17, 4, "j8j j(j j8j j(j j8j j(j j8j j(j j8j j(j"},
    {17, 5, "1/2, 2/4, 5/6, 100%, 15% für den Staat."},
    {18, 3, "19+4=23, 1+10=11, 1*1=1 und 2*2=2, 2*3=6"},
    {18, 4, "15 cm², 35 mm, 24 cm², 4000 km², 18,4 cm²"},
    {19, 1, "â ê û î ô â ê û î ô â ê û î ô â ê û î ô"},
    {19, 4, "Das Xylophon > das Ei. 10 > 2 und 1 > 0."},
    {20, 1, "Alle Tasten wurden gelernt. Fehlt nur noch Übung."},
    {21, 2, "Bitte diese Zeichen: ê € è µ §. Danke."},
    {22, 5, "Übung bedeutet, dass man täglich ein wenig schreibt."},
    {23, 8, "und redlich immer bei ihrer Dienstherrschaft."},
    {24, 9, "Känguru, kess, Tipp, Zähheit, Zierrat, Russland, Stress."},
    {24, 15, "Man schreibt nun eher klein als groß."},
    {25, 3, "ich möchte mich für deine nette Einladung herzlichst bedanken,"},
    {26, 3, "warst nie zu Hause. Ich schicke dir mal eine kleine"},
    {27, 2, "Sehr geehrte Damen und Herren,"},
    {28, 10, "Voulez-vous danser, mademoiselle?"},
    {29, 3, "I'm looking for a good hotel."},
    {29, 15, "So, jetzt kommt nur noch eine Lektion. Die Letzte. ;)"},
    {30, 2, "Nach einem kurzen Vokal kommt immer ss und nicht ß."},
};
// clang-format on

// The two label sets of the 48 character keys: without and with Shift.
struct Beschriftungen
{
    const char *feld;
    int erster;
    const char16_t *ohne, *mit;
};
inline const Beschriftungen Zeichenbeschriftungen[] = {
    {"Buchstaben", 0, u"qwertzuiopüasdfghjklöäyxcvbnm", u"QWERTZUIOPÜASDFGHJKLÖÄYXCVBNM"},
    {"Zahlentasten", 0, u"0123456789", u"=!\"§$%&/()"},
    {"Zeichentaste", 0, u"ß´+,.-<#^", u"?\u0060*;:_>'°"},
};

// The key explanations, quoted exactly, and the boxes the keys show: caption, icon, and the
// pieces they are made of, an empty place for an empty line.
// clang-format off
inline const QString Erklaerung[] = {
    {},
    u"Die AltGr-Taste dient dazu besondere Zeichen (@²³µ{[]}\\~|) aufzurufen. Diese Zeichen sind in der Regel auf der Tastatur zu sehen."_s,
    u"Die AltGr-Taste muss, wie die Umschalt- und Strg-Taste immer zuerst gedrückt und festgehalten werden."_s,
    u"Die Alt-Taste dient dazu besondere Funktionen aufzurufen. Mit ihrer Hilfe kann man in die Befehle am Kopf der meisten Programme einschalten."_s,
    u"Die Alt-Taste muss, wie die Umschalt- und Strg-Taste immer zuerst gedrückt und festgehalten werden."_s,
    u"Um sehen zu können welchen Finger man für diese Taste nehmen sollte, bitte die Fingertasten (oben rechs anklicken)."_s,
    u"Mit der Eingabetaste (Enter) schaltet man in Textprogrammen in die nächste Zeile. Bei Programmen bestätigt man."_s,
    u"Es wird empfohlen die Leertaste mit dem rechten Daumen anzuklicken. Allerdings könnte man das Schreiben beschleunigen, wenn die der linke Daumen die Arbeit übernimmt, nachdem ein Buchstabe mit der rechten Hand angeschlagen wurde und umgekehrt."_s,
    u"Die Feststelltaste dient dazu, die Großschreibung zu arretieren. Leider hat man bei der deutschen PC-Tastatur die Schreibmaschinenschaltung beibehalten, so daß auch die Zahlentasten arretiert werden, so daß beim schreiben mit ausschließlich großen Buchstaben ein leichtes einbeziehen von Zahlen nicht möglich ist. Es sei denn, man bedient sich des Nummernblocks. Beim schreiben von Text ist der Nummernblock jedoch recht unpraktisch. Er dient lediglich dem Eingeben von Zahlenwerten in entsprechenden Programmen."_s,
    u"Die Wirkung der Feststelltaste wird durch einmaliges kurzes anklicken der Umschalttaste aufgehoben."_s,
    u"Mit der Rücktaste kann man eine (oder auch mehrere) Fehleingabe löschen."_s,
    u"Die Umschalttaste dient dazu auf Großschreibung zu wechseln. Es werden nur noch die oberen Zeichen der Tastatur (große Buchstaben, !§$ etc.) angezeigt."_s,
    u"Die Umschalttaste muss, wie die Alt- und Strg-Taste immer zuerst gedrückt und festgehalten werden. Wenn das eigentliche Zeichen angeschalgen wurde, dann läßt man beide los."_s,
    u"Die Steuerungstaste dient dazu besondere Funktionen aufzurufen und ist wie die Umschalttaste 2fach vorhanden. Bei Textverarbeitungsprogrammen bedeutet in der Regel:"_s,
    u"Strg und F = Fett schreiben ( in MS-Word geändert )"_s,
    u"Strg und U = Unterstreichen ( in MS-Word geändert )"_s,
    u"Strg und B = Blocksatz ( in MS-Word geändert )"_s,
    u"Die Strg-Taste muss, wie die Umschalt- und ALt-Taste immer zuerst gedrückt und festgehalten werden."_s,
    u"Die Tabulator-Taste dient dem Zweck im Text einen Abstand zu erzeugen. Es ist nicht ratsam eingerückten Text mit 'Leerzeichen' zu machen. Der Tabulator ist besonders beim PC sehr wichtig, da hier die Schriften meist proportional sind. Bei der Schreibmaschine sind sie alle gleich, so daß ein 'i' genau so breit ist wie ein 'w'. Deshalb ist eine typische Schreibmaschinenschrift auch so gleichtönig."_s,
    u"Der Tabulator wird in diesem Trainer nicht trainiert. Seine Bedienung sollte mit dem erlernen einer Textverarbeitung eintrainiert werden."_s,
    u"Die Zahlentasten werden bei der Deutschen Tastatur leider mit der Feststelltaste arretiert, so daß beim GROSSCHREIBEN die Zahlen durch Zeichen ausgetauscht werden. 1=! 4=$ usw., eine nicht sehr weise Erfindung."_s,
    u"Zeichentaste"_s,
};

struct Box
{
    const char *feld; // control array or single key
    const char16_t *titel;
    bool information; // the information icon, else none
    const char *teile; // numbers of the texts, an empty place for an empty line
};

inline const Box Boxen[] = {
    {"AltGrTaste", u"Die AltGr-Taste", true, "1,,2"},
    {"Alttaste", u"ALTERNATIVTASTE", true, "3,,4"},
    {"Buchstaben", u"Die Buchstaben", true, "5"},
    {"Command4", u"EINGABETASTE", true, "6"},
    {"LeerTaste", u"LEERTASTE", true, "7"},
    {"LockTaste", u"FESTSTELLTASTE", true, "8,,9"},
    {"Rücktaste", u"RÜCKTASTE", true, "10"},
    {"ShiftTaste", u"UMSCHALTTASTE", true, "11,,12"},
    {"Strgtaste", u"STEUERUNGSTASTEN", true, "13,,14,15,16,,17"},
    {"TabTaste", u"TABULATOR", true, "18,,19"},
    {"Zahlentasten", u"Die Zahlentasten", true, "5,,20"},
    {"Zeichentaste", u"10-Finger Fingalo", false, "21"},
};
// clang-format on

inline QString boxText(const char *teile)
{
    QStringList text;
    for (const QString &nummer : QString::fromLatin1(teile).split(u','))
        text << (nummer.isEmpty() ? QString() : Erklaerung[nummer.toInt()]);
    return text.join(u'\r');
}

// The web pages of the menus: the item, its caption, its address.
struct Weblink
{
    const char *name;
    const char16_t *beschriftung;
    const char *adresse;
};
inline const Weblink Weblinks[] = {
    {"mnu_Link1", u"Freie Notenbibliothek", "https://imslp.org/"},
    {"mnu_Link2", u"Klassische Musik frei hören", "https://musopen.org/"},
    {"mnu_WendrikWeb", u"Das Fingalo-Team", "https://fingalo.example.org/"},
    {"mnu_Link3", u"Europas Kulturerbe online", "https://www.europeana.eu/de"},
    {"mnu_Link4", u"Schach spielen, frei und ohne Werbung", "https://lichess.org/"},
    {"mnu_Link5", u"Freies Strategiespiel der Antike", "https://play0ad.com/"},
    {"mnu_Link6", u"Freies Büropaket", "https://de.libreoffice.org/"},
    {"mnu_Fingalo", u"10-Finger Fingalo", "https://fingalo.example.org/programm/"},
    {"mnu_Link7", u"Freie Bildbearbeitung", "https://www.gimp.org/"},
    {"mnu_Webseite", u"Fingalo Webseite", "https://fingalo.example.org/aktuell/"},
};

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
// reads out as "Doppelpunkt". The alert is one sentence: a full stop in it costs half a second.
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
        {FalschesZeichen, u" "_s, u"x"_s, u"Richtig Leerzeichen, getippt x."_s},
    };
}

// Every control that takes the focus, in the order Tab walks them from FELD.
inline QStringList fokusfolge()
{
    QStringList folge{u"FELD"_s, u"FehlerTaste"_s, u"EndE"_s};
    for (int i = 0; i <= 28; ++i)
        folge << taste("Buchstaben", i);
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
        folge << taste("Zahlentasten", i);
    for (int i : {8, 0, 1, 2, 3, 4, 5, 6, 7})
        folge << taste("Zeichentaste", i);
    folge << u"Alttaste"_s << u"Strgtaste_0"_s << u"Strgtaste_1"_s << u"ShiftTaste_0"_s
          << u"ShiftTaste_1"_s << u"Rücktaste"_s << u"LockTaste"_s << u"LeerTaste_2"_s
          << u"AltGrTaste"_s << u"TabTaste"_s;
    for (int i : {0, 1, 2, 3, 7, 4, 5, 6})
        folge << taste("Finger", i);
    return folge << u"ZeigeTasten_0"_s << u"ZeigeTasten_1"_s << u"Command1"_s << u"Command2"_s
                 << u"Command3"_s << u"Command4"_s << u"Wiederholen"_s;
}

// The menu bar as it shows, one line per visible item: two blanks of indent per level, the
// caption, the item's name in brackets.
inline QStringList menuebaum()
{
    QStringList baum;
    auto punkt = [&baum](int tiefe, const QString &titel, const QString &name) {
        baum << QString(2 * tiefe, u' ') + titel + u" ("_s + name + u')';
    };
    auto verweis = [&punkt](int tiefe, const char *name) {
        for (const Weblink &w : Weblinks)
            if (qstrcmp(w.name, name) == 0)
                punkt(tiefe, QString::fromUtf16(w.beschriftung), QString::fromLatin1(name));
    };
    punkt(0, BeendenMenue[0], u"mnu_Programm"_s);
    punkt(1, BeendenMenue[1], u"mnu_beenden"_s);
    punkt(0, lektionsmenue(1)[0], u"mnu_Lektionen"_s);
    const char *gruppen[] = {"mnu_1bis10", "mnu_11bis20", "mnu_21bis30"};
    for (int g = 0; g < 3; ++g) {
        punkt(1, lektionsmenue(10 * g + 1)[1], QString::fromLatin1(gruppen[g]));
        for (int i = 0; i <= 9; ++i)
            punkt(2, lektionsmenue(10 * g + i + 1)[2], u"Lektion%1_%2"_s.arg(g + 1).arg(i));
    }
    punkt(0, u"Webseiten"_s, u"mnu_Webseiten"_s);
    punkt(1, u"Musik"_s, u"mnu_Musik"_s);
    verweis(2, "mnu_Link1");
    verweis(2, "mnu_Link2");
    punkt(1, u"Kunst"_s, u"mnu_kunst"_s);
    verweis(2, "mnu_WendrikWeb");
    verweis(2, "mnu_Link3");
    punkt(1, u"Spiele"_s, u"mnu_Spiele"_s);
    verweis(2, "mnu_Link4");
    verweis(2, "mnu_Link5");
    punkt(1, u"kostenlose Software"_s, u"mnu_Software"_s);
    verweis(2, "mnu_Link6");
    verweis(2, "mnu_Fingalo");
    verweis(2, "mnu_Link7");
    punkt(0, KurzanleitungMenue[0], u"mnu_Hilfe"_s);
    punkt(1, KurzanleitungMenue[1], u"mnu_Kurzanleitung"_s);
    punkt(1, u"Finger im Bild"_s, u"mnu_FingerBild"_s);
    punkt(1, u"Update?"_s, u"mnu_update"_s);
    verweis(2, "mnu_Webseite");
    return baum;
}

// The submenu kept in "Lektionen" but hidden and disabled, and its items, as `menuebaum` writes
// them.
inline const QStringList Uebungstexte = {u"Übungstexte (mnu_ÜbungsT)"_s, u"  Text 1 (Lektion4_1)"_s,
                                         u"  Text 2 (Lektion4_2)"_s, u"  Text 3 (Lektion4_3)"_s};

// The start window: its colours, its labels (all bold, centred, on the window's colour), its
// rules and its two buttons.
namespace Start {
inline constexpr quint32 Fensterfarbe = 0x00D5ECF2;
inline constexpr quint32 Vordergrund = 0x00C0C0C0;
inline constexpr QRect Titelbild(216, 80, 401, 287);
inline const QString Version = QStringLiteral("Version"); // Label2 as designed

struct Beschriftung
{
    const char *name;
    QRect platz;
    int textVon, textBis; // rows where no other control stands, so only this text is drawn
    quint32 schrift;
    qreal punkte;
};
// clang-format off
inline const Beschriftung Beschriftungen[] = {
    {"Label4", {56, 24, 537, 73}, 24, 79, 0x000000FF, 12},
    {"Label1", {8, 80, 201, 145}, 80, 207, Knopftext, 8.25},
    {"Label5", {8, 208, 201, 177}, 225, 375, Knopftext, 8.25},
    {"Label6", {0, 376, 633, 25}, 376, 391, 0x003E6280, 9.75},
    {"Label2", {0, 392, 633, 25}, 392, 415, 0x00FF0000, 14.25},
};
// clang-format on

inline const QRect Regeln[] = {{1, 2, 633, 4}, {0, 464, 633, 4}, {-8, 416, 641, 4}};

struct Startknopf
{
    const char *name;
    QRect platz;
    const QString &text;
    const char16_t *tooltip;
};
inline constexpr quint32 Knopffarbe = 0x00FF8080;
inline constexpr qreal Knopfpunkte = 14.25;
inline const Startknopf Knoepfe[] = {
    {"Command1", {240, 424, 161, 33}, Starten, u"  PROGRAMMSTART  "},
    {"Command2", {472, 424, 153, 33}, Verlassen, u"  Programm nicht starten  "},
};
} // namespace Start

} // namespace Sollwerte

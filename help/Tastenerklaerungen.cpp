#include "help/Tastenerklaerungen.h"

#include "util/Anwendung.h"

#include <QStringList>
#include <QStringView>
#include <array>
#include <initializer_list>

namespace {

// The pieces the explanations are made of, by number; 0 stands for an empty line.
constexpr std::array<QStringView, 22> Stuecke{{
    {},
    /*  1 */
    u"Die AltGr-Taste dient dazu besondere Zeichen (@²³µ{[]}\\~|) aufzurufen. Diese Zeichen "
    u"sind in der Regel auf der Tastatur zu sehen.",
    /*  2 */
    u"Die AltGr-Taste muss, wie die Umschalt- und Strg-Taste immer zuerst gedrückt und "
    u"festgehalten werden.",
    /*  3 */
    u"Die Alt-Taste dient dazu besondere Funktionen aufzurufen. Mit ihrer Hilfe kann man in "
    u"die Befehle am Kopf der meisten Programme einschalten.",
    /*  4 */
    u"Die Alt-Taste muss, wie die Umschalt- und Strg-Taste immer zuerst gedrückt und "
    u"festgehalten werden.",
    /*  5 */
    u"Um sehen zu können welchen Finger man für diese Taste nehmen sollte, bitte die "
    u"Fingertasten (oben rechs anklicken).",
    /*  6 */
    u"Mit der Eingabetaste (Enter) schaltet man in Textprogrammen in die nächste Zeile. Bei "
    u"Programmen bestätigt man.",
    /*  7 */
    u"Es wird empfohlen die Leertaste mit dem rechten Daumen anzuklicken. Allerdings könnte "
    u"man das Schreiben beschleunigen, wenn die der linke Daumen die Arbeit übernimmt, nachdem"
    u" ein Buchstabe mit der rechten Hand angeschlagen wurde und umgekehrt.",
    /*  8 */
    u"Die Feststelltaste dient dazu, die Großschreibung zu arretieren. Leider hat man bei der "
    u"deutschen PC-Tastatur die Schreibmaschinenschaltung beibehalten, so daß auch die "
    u"Zahlentasten arretiert werden, so daß beim schreiben mit ausschließlich großen "
    u"Buchstaben ein leichtes einbeziehen von Zahlen nicht möglich ist. Es sei denn, man "
    u"bedient sich des Nummernblocks. Beim schreiben von Text ist der Nummernblock jedoch "
    u"recht unpraktisch. Er dient lediglich dem Eingeben von Zahlenwerten in entsprechenden "
    u"Programmen.",
    /*  9 */
    u"Die Wirkung der Feststelltaste wird durch einmaliges kurzes anklicken der Umschalttaste "
    u"aufgehoben.",
    /* 10 */ u"Mit der Rücktaste kann man eine (oder auch mehrere) Fehleingabe löschen.",
    /* 11 */
    u"Die Umschalttaste dient dazu auf Großschreibung zu wechseln. Es werden nur noch die "
    u"oberen Zeichen der Tastatur (große Buchstaben, !§$ etc.) angezeigt.",
    /* 12 */
    u"Die Umschalttaste muss, wie die Alt- und Strg-Taste immer zuerst gedrückt und "
    u"festgehalten werden. Wenn das eigentliche Zeichen angeschalgen wurde, dann läßt man "
    u"beide los.",
    /* 13 */
    u"Die Steuerungstaste dient dazu besondere Funktionen aufzurufen und ist wie die "
    u"Umschalttaste 2fach vorhanden. Bei Textverarbeitungsprogrammen bedeutet in der Regel:",
    /* 14 */ u"Strg und F = Fett schreiben ( in MS-Word geändert )",
    /* 15 */ u"Strg und U = Unterstreichen ( in MS-Word geändert )",
    /* 16 */ u"Strg und B = Blocksatz ( in MS-Word geändert )",
    /* 17 */
    u"Die Strg-Taste muss, wie die Umschalt- und ALt-Taste immer zuerst gedrückt und "
    u"festgehalten werden.",
    /* 18 */
    u"Die Tabulator-Taste dient dem Zweck im Text einen Abstand zu erzeugen. Es ist nicht "
    u"ratsam eingerückten Text mit 'Leerzeichen' zu machen. Der Tabulator ist besonders beim "
    u"PC sehr wichtig, da hier die Schriften meist proportional sind. Bei der Schreibmaschine "
    u"sind sie alle gleich, so daß ein 'i' genau so breit ist wie ein 'w'. Deshalb ist eine "
    u"typische Schreibmaschinenschrift auch so gleichtönig.",
    /* 19 */
    u"Der Tabulator wird in diesem Trainer nicht trainiert. Seine Bedienung sollte mit dem "
    u"erlernen einer Textverarbeitung eintrainiert werden.",
    /* 20 */
    u"Die Zahlentasten werden bei der Deutschen Tastatur leider mit der Feststelltaste "
    u"arretiert, so daß beim GROSSCHREIBEN die Zahlen durch Zeichen ausgetauscht werden. 1=! "
    u"4=$ usw., eine nicht sehr weise Erfindung.",
    /* 21 */ u"Zeichentaste",
}};

struct Kasten
{
    Tastenfeld feld;
    QStringView titel; // empty: the application title
    bool information;
    std::initializer_list<int> stuecke; // one line each
};

const Kasten Kaesten[] = {
    {Tastenfeld::AltGrTaste, u"Die AltGr-Taste", true, {1, 0, 2}},
    {Tastenfeld::Alttaste, u"ALTERNATIVTASTE", true, {3, 0, 4}},
    {Tastenfeld::Buchstaben, u"Die Buchstaben", true, {5}},
    {Tastenfeld::Command4, u"EINGABETASTE", true, {6}},
    {Tastenfeld::LeerTaste, u"LEERTASTE", true, {7}},
    {Tastenfeld::LockTaste, u"FESTSTELLTASTE", true, {8, 0, 9}},
    {Tastenfeld::Ruecktaste, u"RÜCKTASTE", true, {10}},
    {Tastenfeld::ShiftTaste, u"UMSCHALTTASTE", true, {11, 0, 12}},
    {Tastenfeld::Strgtaste, u"STEUERUNGSTASTEN", true, {13, 0, 14, 15, 16, 0, 17}},
    {Tastenfeld::TabTaste, u"TABULATOR", true, {18, 0, 19}},
    {Tastenfeld::Zahlentasten, u"Die Zahlentasten", true, {5, 0, 20}},
    {Tastenfeld::Zeichentaste, {}, false, {21}},
};

} // namespace

std::optional<Tastenerklaerung> tastenerklaerung(Tastenfeld feld)
{
    for (const Kasten &k : Kaesten) {
        if (k.feld != feld)
            continue;
        QStringList zeilen;
        for (int stueck : k.stuecke)
            zeilen << Stuecke[std::size_t(stueck)].toString();
        return Tastenerklaerung{k.titel.isEmpty() ? Anwendung::titel() : k.titel.toString(),
                                k.information ? Meldungen::Symbol::Information
                                              : Meldungen::Symbol::Keins,
                                zeilen.join(QLatin1Char('\r'))};
    }
    return std::nullopt;
}

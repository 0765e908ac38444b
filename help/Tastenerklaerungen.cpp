#include "help/Tastenerklaerungen.h"

#include "util/Anwendung.h"

#include <array>
#include <string_view>

namespace {

struct Eintrag
{
    Erklaerungstaste taste;
    std::u16string_view titel; // empty: the application title
    bool information;
    std::u16string_view text;
};

// Adjacent literals join at compile time; u"\r" is the line break of the message texts.
constexpr std::array<Eintrag, 12> Tabelle{{
    {Erklaerungstaste::AltGr, u"Die AltGr-Taste", true,
     u"Die AltGr-Taste dient dazu besondere Zeichen (@²³µ{[]}\\~|) aufzurufen. Diese Zeichen sind "
     u"in der Regel auf der Tastatur zu sehen."
     u"\r"
     u"\r"
     u"Die AltGr-Taste muss, wie die Umschalt- und Strg-Taste immer zuerst gedrückt und "
     u"festgehalten werden."},
    {Erklaerungstaste::Alt, u"ALTERNATIVTASTE", true,
     u"Die Alt-Taste dient dazu besondere Funktionen aufzurufen. Mit ihrer Hilfe kann man in die "
     u"Befehle am Kopf der meisten Programme einschalten."
     u"\r"
     u"\r"
     u"Die Alt-Taste muss, wie die Umschalt- und Strg-Taste immer zuerst gedrückt und festgehalten "
     u"werden."},
    {Erklaerungstaste::Buchstabe, u"Die Buchstaben", true,
     u"Um sehen zu können welchen Finger man für diese Taste nehmen sollte, bitte die Fingertasten "
     u"(oben rechs anklicken)."},
    {Erklaerungstaste::Eingabe, u"EINGABETASTE", true,
     u"Mit der Eingabetaste (Enter) schaltet man in Textprogrammen in die nächste Zeile. Bei "
     u"Programmen bestätigt man."},
    {Erklaerungstaste::Leer, u"LEERTASTE", true,
     u"Es wird empfohlen die Leertaste mit dem rechten Daumen anzuklicken. Allerdings könnte man "
     u"das Schreiben beschleunigen, wenn die der linke Daumen die Arbeit übernimmt, nachdem ein "
     u"Buchstabe mit der rechten Hand angeschlagen wurde und umgekehrt."},
    {Erklaerungstaste::Feststell, u"FESTSTELLTASTE", true,
     u"Die Feststelltaste dient dazu, die Großschreibung zu arretieren. Leider hat man bei der "
     u"deutschen PC-Tastatur die Schreibmaschinenschaltung beibehalten, so daß auch die "
     u"Zahlentasten arretiert werden, so daß beim schreiben mit ausschließlich großen Buchstaben "
     u"ein leichtes einbeziehen von Zahlen nicht möglich ist. Es sei denn, man bedient sich des "
     u"Nummernblocks. Beim schreiben von Text ist der Nummernblock jedoch recht unpraktisch. Er "
     u"dient lediglich dem Eingeben von Zahlenwerten in entsprechenden Programmen."
     u"\r"
     u"\r"
     u"Die Wirkung der Feststelltaste wird durch einmaliges kurzes anklicken der Umschalttaste "
     u"aufgehoben."},
    {Erklaerungstaste::Ruecktaste, u"RÜCKTASTE", true,
     u"Mit der Rücktaste kann man eine (oder auch mehrere) Fehleingabe löschen."},
    {Erklaerungstaste::Umschalt, u"UMSCHALTTASTE", true,
     u"Die Umschalttaste dient dazu auf Großschreibung zu wechseln. Es werden nur noch die oberen "
     u"Zeichen der Tastatur (große Buchstaben, !§$ etc.) angezeigt."
     u"\r"
     u"\r"
     u"Die Umschalttaste muss, wie die Alt- und Strg-Taste immer zuerst gedrückt und festgehalten "
     u"werden. Wenn das eigentliche Zeichen angeschalgen wurde, dann läßt man beide los."},
    {Erklaerungstaste::Strg, u"STEUERUNGSTASTEN", true,
     u"Die Steuerungstaste dient dazu besondere Funktionen aufzurufen und ist wie die "
     u"Umschalttaste 2fach vorhanden. Bei Textverarbeitungsprogrammen bedeutet in der Regel:"
     u"\r"
     u"\r"
     u"Strg und F = Fett schreiben ( in MS-Word geändert )"
     u"\r"
     u"Strg und U = Unterstreichen ( in MS-Word geändert )"
     u"\r"
     u"Strg und B = Blocksatz ( in MS-Word geändert )"
     u"\r"
     u"\r"
     u"Die Strg-Taste muss, wie die Umschalt- und ALt-Taste immer zuerst gedrückt und festgehalten "
     u"werden."},
    {Erklaerungstaste::Tab, u"TABULATOR", true,
     u"Die Tabulator-Taste dient dem Zweck im Text einen Abstand zu erzeugen. Es ist nicht ratsam "
     u"eingerückten Text mit 'Leerzeichen' zu machen. Der Tabulator ist besonders beim PC sehr "
     u"wichtig, da hier die Schriften meist proportional sind. Bei der Schreibmaschine sind sie "
     u"alle gleich, so daß ein 'i' genau so breit ist wie ein 'w'. Deshalb ist eine typische "
     u"Schreibmaschinenschrift auch so gleichtönig."
     u"\r"
     u"\r"
     u"Der Tabulator wird in diesem Trainer nicht trainiert. Seine Bedienung sollte mit dem "
     u"erlernen einer Textverarbeitung eintrainiert werden."},
    {Erklaerungstaste::Zahl, u"Die Zahlentasten", true,
     u"Um sehen zu können welchen Finger man für diese Taste nehmen sollte, bitte die Fingertasten "
     u"(oben rechs anklicken)."
     u"\r"
     u"\r"
     u"Die Zahlentasten werden bei der Deutschen Tastatur leider mit der Feststelltaste arretiert, "
     u"so daß beim GROSSCHREIBEN die Zahlen durch Zeichen ausgetauscht werden. 1=! 4=$ usw., eine "
     u"nicht sehr weise Erfindung."},
    {Erklaerungstaste::Zeichen, u"", false, u"Zeichentaste"},
}};

QString alsQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

Tastenerklaerung tastenerklaerung(Erklaerungstaste taste)
{
    for (const Eintrag &e : Tabelle) {
        if (e.taste == taste) {
            return {e.titel.empty() ? Anwendung::titel() : alsQString(e.titel),
                    e.information ? Meldungen::Symbol::Information : Meldungen::Symbol::Keins,
                    alsQString(e.text)};
        }
    }
    return {Anwendung::titel(), Meldungen::Symbol::Keins, QString()};
}

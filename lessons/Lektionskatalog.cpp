#include "lessons/Lektionskatalog.h"

#include <algorithm>
#include <array>

namespace Lektionskatalog {

namespace {

constexpr std::u16string_view AlleTasten = u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867+#<^";

constexpr std::u16string_view Wiederholung =
    u"Alle Zeichen wurden gelernt. Die weiteren Lektionen sind Übungen und fertige Zeilen. Es "
    u"wäre gut diese zu wiederholen und dann immer etwas schneller zu tippen.";

constexpr std::array<Lektion, AnzahlLektionen> Katalog{{
    {u"Aasdfjklö_",
     u"Grundstellung: Die Daumen über der Leertaste. Linke Hand, bzw rechte Hand entsprechend "
     u"auflegen. Die linke Hand beginnt mit dem kleinen Finger auf 'A' und endet mit Zeigefinger "
     u"auf 'F'. Die rechte Hand entsprechend. rechte Hand Zeigefinger auf j usw."},
    {u"AasdfjklöøÞ",
     u"Großschreibung: Wenn die linke Hand (z.B. ASDF) eine Taste groß schreiben will, dann muss "
     u"die rechte Hand zuerst die Umschalttaste (rechts vom - unter der Eingabetaste) gedrückt "
     u"halten. Entsprechend auf der anderen Seite (links vom Y, wenn ein rechter Buchstabe groß "
     u"geschrieben werden soll)."},
    {u"AasdfjklöøÞgh", u"Zusätzliche Tasten für die Zeigefinger: gh.\rMit Umschalttaste: GH."},
    {u"AasdfjklöøÞgh,.ei", u"Die neuen Tasten sind: ei, aber auch Punkt und Komma."},
    {u"AasdfjklöøÞgh,.eiru", u"ru RU"},
    {u"AasdfjklöøÞgh,.eiruwo", u"wo WO"},
    {u"AasdfjklöøÞgh,.eiruwotz", u"tz TZ"},
    {u"AasdfjklöøÞgh,.eiruwotzvm", u"vm VM"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbn", u"bn BN"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxc", u"xc XC"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqp", u"qp QP"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy", u"aü ÄÜ yY"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß", u"- ß"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´",
     u"12 ! ´-Akzent (mit Umschalttaste `)\rUm den Akzent zu erhalten diesen zuerst anklicken und "
     u"danach den Buchstaben wählen. Möglich sind die Zeichen: áà éè íì óò úù ý"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30", u"30"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´3049", u"49"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867", u"5678 %&/()"},
    {u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867+#", u"+* #'\r²µ[] (AltGr-Taste!)"},
    {AlleTasten, u"<> ^°\rDas ^-Zeichen zuerst (loslassen), dann den Buchstaben drücken."},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
    {AlleTasten, Wiederholung},
}};

} // namespace

const Lektion &lektion(int lektionNr)
{
    return Katalog[std::size_t(std::clamp(lektionNr, 0, AnzahlLektionen - 1))];
}

} // namespace Lektionskatalog

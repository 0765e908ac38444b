#include "help/Kurzanleitung.h"

namespace Kurzanleitung {

QString text()
{
    return QStringLiteral(R"(<h2>So übst du mit dem 10-Finger Fingalo</h2>

<h3>Eine Lektion wählen</h3>
<p>Im Menü <b>Lektionen</b> stehen dreißig Lektionen. Die Lektionen 1 bis 19 bringen dir Schritt für
Schritt neue Tasten bei, zuerst die Grundreihe, dann Großbuchstaben, Ziffern und Zeichen.
Lektion 20 wiederholt alle Tasten, die Lektionen 21 bis 30 sind zusammenhängende Texte.
Nach der Wahl sind die Tasten, die du bisher gelernt hast, auf der Tastatur im Bild
<b>fett</b> hervorgehoben, und unten steht, worum es in der Lektion geht.</p>

<h3>Die gelbe Zeile und das Eingabefeld</h3>
<p>Die gelbe Zeile zeigt die Übungszeile. Tippe sie in das Eingabefeld darunter ab, ohne auf die
Tasten zu schauen. Ist die Zeile vollständig und richtig, erscheint sofort die nächste.
Eine Lektion hat fünfzehn Zeilen; nach der letzten ist sie beendet, und das Eingabefeld wartet
auf die nächste Lektion.</p>
<p>Geschrieben wird immer am Ende der Zeile: Pfeiltasten und Mausklicks versetzen die
Schreibmarke nicht, und die Rücktaste nimmt das letzte Zeichen zurück. Eingefügter Text wird
Zeichen für Zeichen geprüft, als hättest du ihn getippt.</p>
<p>Hast du noch keine Lektion gewählt, übst du mit dem Satz, der nach dem Start in der gelben
Zeile steht; deine erste Taste ersetzt den Hinweis im Eingabefeld. Danach geht es mit
Lektion 15 weiter.</p>

<h3>Wenn ein Zeichen falsch ist</h3>
<p>Jedes falsche Zeichen meldet das Programm sofort in einem kleinen Fenster: welches Zeichen
erwartet war und welches du getippt hast. Bestätige die Meldung mit der <b>Eingabetaste</b>
(Enter). Das falsche Zeichen wird gezählt und wieder entfernt, du tippst einfach an derselben
Stelle weiter. Was du tippst, solange die Meldung offen ist, zählt nicht.</p>

<h3>Fortschritt, Fehler und Wiederholen</h3>
<p>In der Titelleiste steht, welche Lektion du übst und wie viele Zeilen du fehlerfrei
geschafft hast. Im gelben Kästchen rechts über dem Eingabefeld siehst du Lektion und Zeile.</p>
<ul>
<li><b>Fehler</b> zählt die falschen Zeichen. Ein Klick darauf stellt den Zähler wieder auf 0.</li>
<li><b>Wiederholen</b> geht eine Zeile zurück, damit du sie noch einmal üben kannst.</li>
<li><b>ENDE</b> beendet das Programm.</li>
</ul>

<h3>Die Finger und die Tastatur im Bild</h3>
<p>Die acht Knöpfe über den Händen zeigen, welche Tasten ein Finger anschlägt: Die Tasten
werden unterstrichen und größer, und über der Hand leuchtet der Finger rot, der Daumen der
anderen Hand gelb. Die Leertaste schlägt der Daumen an.</p>
<p><b>ohne Umschalttaste</b> und <b>mit Umschalttaste</b> zeigen die Beschriftung der Tasten
ohne und mit gedrückter Umschalttaste.</p>
<p>Ein Klick auf eine Taste der Tastatur im Bild erklärt sie. Die Tasten im Bild schreiben
nichts; geschrieben wird nur mit deiner echten Tastatur.</p>

<h3>Tastatur statt Maus</h3>
<p>Alle Befehle erreichst du auch mit der Tastatur: <b>Alt</b> öffnet die Menüleiste, in den
Menüs wählen die Pfeiltasten und die Eingabetaste. Knöpfe mit einem unterstrichenen Buchstaben
drückst du mit Alt und diesem Buchstaben (zum Beispiel Alt+W für Wiederholen, Alt+E für ENDE).
Die Tabulatortaste wandert von Knopf zu Knopf, und die <b>Eingabetaste</b> drückt den Knopf,
auf dem du stehst.</p>
<p>Rutschst du während einer Lektion auf die Tabulatortaste, geht nichts verloren: Was du dann
tippst, landet wieder im Eingabefeld und wird dort geprüft, auch die Leertaste.</p>

<h3>Mit einem Bildschirmleser üben</h3>
<p>Ein Bildschirmleser liest im Eingabefeld die Übungszeile und die Stelle in der Lektion vor.
Bei der Wahl einer Lektion hörst du die Lektion, ihre neuen Tasten, die erste Zeile und die
Erklärung; jede neue Zeile, das Ende der Lektion, ein Schritt zurück und das Zurücksetzen der
Fehler werden angesagt. Ein falsches Zeichen meldet zuerst, welches Zeichen richtig wäre und
welches du getippt hast. Die Übungszeile kannst du mit den Lesebefehlen deines
Bildschirmlesers Zeichen für Zeichen lesen.</p>
<p>Diese Tasten tippen nichts und sprechen stattdessen:</p>
<ul>
<li><b>F5</b> sagt das nächste Zeichen und mit welchem Finger du es tippst.</li>
<li><b>F6</b> buchstabiert den Rest der Zeile.</li>
<li><b>F7</b> liest die Erklärung zur Lektion vor.</li>
<li><b>F8</b> sagt, wo du in der Lektion stehst und wie viele Fehler gezählt sind.</li>
</ul>
<p>Auf der Seite <b>Finger im Bild</b> liest der Bildschirmleser die Finger und ihre Tasten vor,
wenn du mit der Tabulatortaste auf das Bild gehst.</p>
)");
}

} // namespace Kurzanleitung

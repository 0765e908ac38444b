#pragma once

#include <QString>

// What the main window says to a listener, for every step a sighted learner sees happen. The
// news comes first (the line to type, the character asked for), the rest after it; nothing holds
// a sign a screen reader would read out.
namespace Ansagetexte {

// A lesson chosen: its number, its new keys, its first line, then its explanation.
QString lektionGewaehlt(int lektion, const QString &zeile);
// A line completed: the next line first, then how many lines are done.
QString naechsteZeile(int nummer, const QString &zeile, int geschafft);
// One line back.
QString zurueck(int nummer, const QString &zeile);
// The lesson's end: lines done, errors, and what to do next.
QString lektionBeendet(int lektion, int geschafft, int fehler);
QString fehlerZurueckgesetzt();
// A finger button: the finger and the keys it types.
QString finger(int index);
// The keys that speak: the next character with its finger, the rest of the line spelled, the
// lesson's explanation, and where the lesson stands.
QString naechstesZeichen(const QString &zeile, const QString &getippt);
QString restDerZeile(const QString &zeile, const QString &getippt);
QString erklaerung(int lektion);
QString stand(int lektion, int zeile, int geschafft, int fehler);
// Before any lesson, and after one, there is no line.
QString keineZeile();

} // namespace Ansagetexte

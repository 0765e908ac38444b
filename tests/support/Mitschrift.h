#pragma once

#include "engine/Uebung.h"

#include <QStringList>
#include <functional>

// The exercise without a window, with everything it announces written down as it came: one
// line per announcement ("falsch e|x", "eingabe ff", "geschafft 1 1" …), and the last value of
// each kind for quick reading.
class Mitschrift
{
public:
    Mitschrift();

    Uebung uebung;
    QStringList protokoll;

    QString zeile;   // the line on screen
    QString eingabe; // what the box shows
    int lektion = 0; // lesson and line of the lesson indicator
    int zeileNr = 0;
    int fehler = 0; // the error count as last shown
    int fehlerfrei = 0;
    bool wiederholen = true;
    QString lernTasten;
    QStringList meldungen; // every message, in order: "falsch e|x", "zu lang"

    // Runs once, while the next message is "open": what the learner might do before confirming.
    std::function<void()> waehrendDerMeldung;

    // The load handler, then lesson `nummer` as its menu item chooses it.
    void starteLektion(int nummer);
    // Each character as a key going down that types it.
    void tippe(const QString &text);
    void tippe(const Eingabe &e) { uebung.tippe(e); }

private:
    void meldung(const QString &text);
};

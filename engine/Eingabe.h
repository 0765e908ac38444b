#pragma once

#include <QString>

// What reached the input box in one go, as the window hands it to the exercise: a key going
// down (whatever it typed), characters taken back from the end, and text arriving at the end.
// Typing, Backspace, an input method's commit or rewrite, a paste and a drop are all of this one
// shape, so the exercise has one entry for everything the learner does in the box.
struct Eingabe
{
    bool tasteRunter = false; // a key went down; the warning at full length answers every key
    int zurueck = 0;          // characters taken back from the end first; Backspace takes one
    QString text;             // then this arrives at the end

    static Eingabe taste(const QString &text = {}) { return {true, 0, text}; }
    static Eingabe ruecktaste() { return {true, 1, {}}; }
    static Eingabe einfuegen(const QString &text) { return {false, 0, text}; }
};

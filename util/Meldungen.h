#pragma once

#include <QString>

// Modal message boxes with the OK button only. The main window and the start window receive one
// of these, so tests can record the messages instead of blocking on a real box.
class Meldungen
{
public:
    enum class Symbol { Keins, Information };

    virtual ~Meldungen() = default;

    // Shows `text` and returns once the learner has confirmed it. Line breaks in `text` are single
    // carriage returns. A screen reader says `gesprochen` first, where given: what matters, in
    // words, before the box's own text.
    virtual void zeige(const QString &text, const QString &titel, Symbol symbol,
                       const QString &gesprochen = {}) = 0;
};

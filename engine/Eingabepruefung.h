#pragma once

#include <QString>
#include <optional>

// What arriving text leaves of a line's correct beginning, character by character.
//
// `angenommen` is a correct beginning of `zeile` in canonical composition; `neu` is what arrived
// after it (one key, a paste of any length, an input-method burst). The new characters are checked
// one by one: the correct ones stay, the first wrong one and everything after it go, and that first
// wrong one is reported. Characters after the line's last one go unchecked: the line is complete.
// Control characters are none that a key of the exercise types; they are left out, as Enter is.
struct Eingabepruefung
{
    QString angenommen; // the correct beginning that stays, composed
    bool vollstaendig = false;
    struct Falsch
    {
        QString erwartet;
        QString getippt;
        QString bisDahin; // the beginning with the wrong character, as the box shows it meanwhile
    };
    std::optional<Falsch> falsch; // the first wrong character, whole

    static Eingabepruefung pruefe(const QString &angenommen, const QString &neu,
                                  const QString &zeile);
};

#pragma once

#include <QString>
#include <optional>

// What a change of the input box leaves in it, character by character from the first.
//
// The box held `bisher`, a correct beginning of `zeile` in canonical composition; it now holds
// `jetzt`, whatever the change brought (one key, a paste of any length, an input-method burst,
// a deletion). What arrived is checked character by character after the correct beginning: the
// correct ones stay, the first wrong one and everything after it go, and that first wrong one
// is reported. Characters after the line's last one go unchecked: the line is complete.
// Control characters are none that a key of the exercise types; they are left out, as Enter is.
struct Eingabepruefung
{
    QString angenommen; // the correct beginning the box keeps, composed
    bool vollstaendig = false;
    struct Falsch
    {
        QString erwartet;
        QString getippt;
    };
    std::optional<Falsch> falsch; // the first wrong character, whole

    static Eingabepruefung pruefe(const QString &bisher, const QString &jetzt,
                                  const QString &zeile);
};

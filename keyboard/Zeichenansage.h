#pragma once

#include "keyboard/Taste.h"

#include <QString>
#include <QStringView>

// The characters of a line in words, for a learner who listens instead of reading: what each
// one is called and how it is typed, in the words of the finger buttons. Names are short and
// never sound alike: a capital is "großes F" and a small letter the plain letter, a digit is
// "Ziffer 6" so that a run of digits is never read as one number, punctuation goes by its German
// name, and an accented letter says how it is made.
//
// Everything here is meant to be spoken, so it holds no sign a screen reader would read out or
// swallow: no "´", which the synthesizer passes over in silence, and no colon or semicolon, which
// a screen reader at its default punctuation level speaks as "Doppelpunkt" and "Semikolon".
// Commas and full stops only make the pauses.
//
// Where the main window speaks them:
// - the alert after a wrong key: falschesZeichen(erwartet, getippt)
//     "Richtig, Leerzeichen. Getippt, x."
// - the next-character key: naechstesZeichen(zeichen)
//     "Nächstes Zeichen, großes F, linker Zeigefinger, mit rechter Umschalttaste"
// - the spell key: buchstabiert(the rest of the line)
//     "großes F, f, Leerzeichen, Ziffer 6"
// - each on-screen key's description, after its caption: taste(t)
//     "linker Zeigefinger, f, mit rechter Umschalttaste großes F"
//
// A character is a string of one code point, a surrogate pair outside the basic plane; a
// letter followed by a combining accent counts as the accented letter, and anything after the
// first character is left out. All of it is read off the key table and the finger table, so a
// new key or finger needs no word here.
namespace Zeichenansage {

// "Leerzeichen", "Komma", "großes F", "f", "Ziffer 6", "scharfes S", an accented letter with its
// way, "e mit Akut, erst Akut, dann e". A character with no name of its own is called by its
// code, "Zeichen U+00F1". Empty for an empty string.
QString name(QStringView zeichen);

// Who types it and what is held: "linker Zeigefinger, mit rechter Umschalttaste", "linker
// Mittelfinger, mit Alt Gr", "Leertaste, Daumen". Behind a dead key come two strokes, "erst Akut
// mit dem rechten kleinen Finger, dann e mit dem linken Mittelfinger", and a lone accent is
// the dead key, then "Leertaste mit dem Daumen". Empty for a character the keyboard cannot type.
QString anschlag(QStringView zeichen);

// "Nächstes Zeichen, ", the name and the stroke; an accented letter's way is told once, by the
// stroke.
QString naechstesZeichen(QStringView zeichen);

// The names in order, separated by commas. Accented letters are named without their way here
// ("e mit Akut"): the next-character key tells how to type them.
QString buchstabiert(QStringView text);

// The expected character first, with its way if it has one; the typed one only by name. One
// sentence: at the default rate a full stop between them costs half a second of speech.
QString falschesZeichen(QStringView erwartet, QStringView getippt);

// The key's finger and, on a character key, what it types in each layer: "linker Mittelfinger,
// e, mit rechter Umschalttaste großes E, mit Alt Gr Eurozeichen"; "Daumen" for the space bar,
// empty for a key that no finger types.
QString taste(Taste taste);

// A text for the ear: the signs a screen reader would read out or pass over (colons, brackets,
// quotes, accents standing alone) become pauses or words, line breaks become full stops. For the
// program's own texts (explanations, announcements), never for a line to type, whose every sign
// counts.
QString sprechbar(QStringView text);

// The keys a key string names, as a list: "g und h", "Umschalttaste links und Umschalttaste
// rechts", "Ziffer 2, Ziffer 1 und Akut". Characters that name no key are left out.
QString tasten(QStringView tastenCode);

} // namespace Zeichenansage

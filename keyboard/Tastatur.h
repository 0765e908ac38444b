#pragma once

#include "keyboard/Taste.h"

#include <QStringView>
#include <array>
#include <optional>

// Who types a key: the finger buttons' indexes (0..3 run outward over the left hand from the
// index finger, 4..7 inward over the right hand from the little finger), the thumbs for the
// space bar, nobody for Enter and the system keys.
enum class Finger : qint8 {
    Keiner = -1,
    LinksZeige,
    LinksMittel,
    LinksRing,
    LinksKlein,
    RechtsKlein,
    RechtsRing,
    RechtsMittel,
    RechtsZeige,
    Daumen,
};

// The three layers of a character key: as it stands, with Shift held, with AltGr held.
enum class Ebene : quint8 {
    Ohne,
    Umschalt,
    AltGr,
};

// A dead key types nothing at once: it puts its accent, a combining mark, on the letter typed
// next (the accent key, then e, gives é), and on the space bar it types its own sign.
struct Totakzente
{
    char16_t ohneUmschalt = 0; // U+0301 on the acute key; 0 where the layer types its caption
    char16_t mitUmschalt = 0;
};

// One key of the German on-screen keyboard: everything the program knows about it.
struct Tastendaten
{
    Taste taste;
    double links; // client-area pixels at 96 dpi; thirds of a pixel are kept exact
    double oben;
    double breite;
    double hoehe;
    QStringView ohneUmschalt; // what the key types without Shift ("q"), or its word ("Strg")
    QStringView mitUmschalt;  // with Shift ("Q"), character keys only; "&" is written "&&"
    QStringView mitAltGr;     // with AltGr ("@" on Q), where the key has a third character
    Totakzente tot;           // the layers in which the key is a dead key
    char16_t code;            // the key's character in key strings; 0 when none names it
    Finger finger;
    qreal punkte;           // design font size of the caption
    QStringView bild;       // the picture the key shows instead of a caption, or empty
    QStringView sprechname; // what a screen reader calls a key that shows no character
};

namespace Tastatur {

inline constexpr int AnzahlTasten = 62;
inline constexpr int AnzahlCodes = 57;

// Row by row, left to right.
extern const std::array<Tastendaten, AnzahlTasten> Tabelle;

const Tastendaten &daten(Taste taste);

// The key a key-string character names; none for characters outside the code.
std::optional<Taste> tasteFuer(char16_t code);

// The caption a key shows before either label set is chosen: capitals on the letter keys, the
// unshifted characters on the others.
QString entwurfsbeschriftung(const Tastendaten &t);

// The keys a finger types, as a key string.
QString fingerTasten(Finger finger);

// The character a key types in a layer (on a dead key its accent's sign, which the space bar
// after it types); empty when that layer types none.
QString zeichen(const Tastendaten &t, Ebene ebene);

// The accent a dead key puts on the next letter in a layer; 0 when the layer is not dead.
char16_t totakzent(const Tastendaten &t, Ebene ebene);

} // namespace Tastatur

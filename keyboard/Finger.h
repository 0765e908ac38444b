#pragma once

#include "keyboard/Tastatur.h"

#include <QPoint>
#include <QStringView>
#include <array>

// The eight finger buttons and the ten markers over the hands picture.
struct Fingerdaten
{
    Finger finger;
    QStringView beschriftung; // the button's caption
    QStringView name;         // spoken, and in the legend of the finger picture
    int knopfLinks;           // the button's left edge; all stand at the same height
    QStringView tooltip;
    int roterMarker;  // lit red while this finger's keys are shown
    int gelberMarker; // the other hand's thumb, lit yellow
};

struct Markerdaten
{
    QPoint platz; // top left in the main window's client area
    QStringView name;
};

enum class Hand : qint8 {
    Keine,
    Links,
    Rechts,
};

namespace Fingerfuehrung {

inline constexpr int AnzahlFinger = 8;
inline constexpr int AnzahlMarker = 10;

// Indexed like the finger buttons.
extern const std::array<Fingerdaten, AnzahlFinger> Fingertabelle;

// Left to right over the hands picture: the left hand's little finger to thumb, then the right
// hand's thumb to little finger.
extern const std::array<Markerdaten, AnzahlMarker> Markertabelle;

// Where the hands picture stands in the main window's client area.
inline constexpr QPoint HaendeLinksOben{360, 112};

const Fingerdaten &daten(Finger finger);

// The thumbs on the space bar belong to neither hand, and nobody's keys to none.
Hand hand(Finger finger);

// The finger inside a sentence: "linker Zeigefinger", "Daumen"; empty for nobody.
QString sprechname(Finger finger);

} // namespace Fingerfuehrung

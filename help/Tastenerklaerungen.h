#pragma once

#include "keyboard/Taste.h"
#include "util/Meldungen.h"

#include <QString>
#include <optional>

// What a key of the on-screen keyboard says about itself when clicked. All keys of a control
// array share one explanation; the picture keys left of and beside the space bar explain nothing.
struct Tastenerklaerung
{
    QString titel;
    Meldungen::Symbol symbol;
    QString text; // line breaks as single carriage returns
};

std::optional<Tastenerklaerung> tastenerklaerung(Tastenfeld feld);

#pragma once

#include "util/Meldungen.h"

#include <QString>

// The keys of the on-screen keyboard that explain themselves when clicked. All letter keys share
// one explanation, as do all digit keys and all symbol keys.
enum class Erklaerungstaste {
    AltGr,
    Alt,
    Buchstabe,
    Eingabe,
    Leer,
    Feststell,
    Ruecktaste,
    Umschalt,
    Strg,
    Tab,
    Zahl,
    Zeichen,
};

struct Tastenerklaerung
{
    QString titel;
    Meldungen::Symbol symbol;
    QString text; // line breaks as single carriage returns
};

Tastenerklaerung tastenerklaerung(Erklaerungstaste taste);

#pragma once

#include "keyboard/Taste.h"

#include <QString>

// The captions of the 48 character keys with and without Shift on a German keyboard. Captions
// are button texts: the ampersand is written "&&" so that it shows once and is no access key.
namespace Tastenbeschriftung {

enum class Ebene { OhneUmschalt, MitUmschalt };

// Empty for keys that are not character keys.
QString beschriftung(Taste taste, Ebene ebene);

} // namespace Tastenbeschriftung

#pragma once

#include "keyboard/Taste.h"

#include <QStringView>
#include <functional>

class QWidget;

// Marking on the on-screen keyboard lives only in the key buttons' fonts. A lesson marks its
// learnt keys bold, a finger button underlines that finger's keys; both enlarge what they mark.
namespace Tastenmarkierung {

enum class Art { Fett, Unterstrichen };

inline constexpr qreal ZeichentasteNormal = 12;
inline constexpr qreal ZeichentasteMarkiert = 18;
inline constexpr qreal FunktionstasteNormal = 8;
inline constexpr qreal FunktionstasteMarkiert = 10;

using Tastenzugriff = std::function<QWidget *(Taste)>;

// Returns every key a key string can name to the unmarked look of `art` (the other attribute is
// left alone), then marks each key the string names. Characters that name no key are skipped.
void markiere(const Tastenzugriff &taste, QStringView tastenCode, Art art);

} // namespace Tastenmarkierung

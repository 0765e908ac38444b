#pragma once

#include "keyboard/Taste.h"

#include <QtGlobal>

// Marking on the on-screen keyboard lives only in the key buttons' fonts: a lesson marks its
// learnt keys bold, a finger button underlines that finger's keys, and both enlarge what they
// mark. Character keys and function keys have sizes of their own.
namespace Tastenmarkierung {

inline constexpr qreal ZeichentasteNormal = 12;
inline constexpr qreal ZeichentasteMarkiert = 18;
inline constexpr qreal FunktionstasteNormal = 8;
inline constexpr qreal FunktionstasteMarkiert = 10;

constexpr qreal punkte(Taste taste, bool markiert)
{
    if (taste.istZeichentaste())
        return markiert ? ZeichentasteMarkiert : ZeichentasteNormal;
    return markiert ? FunktionstasteMarkiert : FunktionstasteNormal;
}

} // namespace Tastenmarkierung

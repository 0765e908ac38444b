#pragma once

#include <QString>

// Text measured in whole characters (code points), never in UTF-16 halves: a character outside
// the Basic Multilingual Plane counts once and is never split.
namespace Zeichenkette {

qsizetype anzahl(QStringView text);

// Length in UTF-16 units of the character that starts at `stelle`: 2 for a surrogate pair.
qsizetype breiteAb(QStringView text, qsizetype stelle);

// The first `n` characters (all of them when `n` is not smaller than the count).
QString anfang(QStringView text, qsizetype n);

// The last character, whole; empty for empty text.
QString letztes(QStringView text);

// Canonical composition, so that a letter followed by a combining accent equals the precomposed
// letter.
QString zusammengesetzt(const QString &text);

} // namespace Zeichenkette

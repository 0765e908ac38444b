#pragma once

#include <QString>

namespace Kurzanleitung {

// The short guide to the program, as rich text.
QString text();

} // namespace Kurzanleitung

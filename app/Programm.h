#pragma once

// What every process that shows our windows sets up once, after the application object exists:
// one style, so the pixel-exact layout looks the same everywhere, the typeface the design's
// "MS Sans Serif" stands for on this platform, and the program's accessible interfaces. The
// program, the tests, the benchmarks and the screenshots all call it.
namespace Programm {

void einrichten();

} // namespace Programm

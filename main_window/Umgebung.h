#pragma once

#include <functional>

class Meldungen;
class Webbrowser;
class Hilfeanzeige;

// What both windows ask of the outside world: message boxes, the browser, the help window and
// the end of the program. The program passes the real ones, tests pass recording fakes.
struct Umgebung
{
    Meldungen &meldungen;
    Webbrowser &browser;
    Hilfeanzeige &hilfe;
    std::function<void()> beenden;
};

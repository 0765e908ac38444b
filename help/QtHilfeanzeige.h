#pragma once

#include "help/Hilfeanzeige.h"

// Opens the real help window, modal over the active window.
class QtHilfeanzeige : public Hilfeanzeige
{
public:
    void zeige(int seite) override;
};

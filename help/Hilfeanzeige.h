#pragma once

// Opens the help window modally at page 1 ("Kurzanleitung") or 2 ("Finger im Bild") and returns
// when the learner has closed it.
class Hilfeanzeige
{
public:
    virtual ~Hilfeanzeige() = default;
    virtual void zeige(int seite) = 0;
};

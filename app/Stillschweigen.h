#pragma once

#include <QAccessible>

// While it lives, the program tells a screen reader nothing. A window built out of sight would
// otherwise make the reader ask its controls for their state and keep the answer, "not
// visible", once the window shows: the toolkit then tells it "showing" only, and the reader's
// review of the screen passes over those controls for good. Kept silent, they are first met
// when the window shows, as they are.
class Stillschweigen
{
public:
    Stillschweigen();
    ~Stillschweigen();
    Stillschweigen(const Stillschweigen &) = delete;
    Stillschweigen &operator=(const Stillschweigen &) = delete;

private:
    QAccessible::UpdateHandler m_vorher;
};

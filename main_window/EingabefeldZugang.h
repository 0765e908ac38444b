#pragma once

#include "main_window/Textzugang.h"

class Eingabefeld;

// What a screen reader reads of the input box: its text, the caret at its end, and the line to
// type in its description.
class EingabefeldZugang : public Textzugang
{
public:
    explicit EingabefeldZugang(Eingabefeld *feld);

    QAccessible::State state() const override;
    QString text(QAccessible::Text art) const override;

protected:
    QString inhalt() const override;
    int caret() const override;
    QRect zeichenOrt(int stelle) const override;

private:
    Eingabefeld *feld() const;
};

#pragma once

#include "main_window/Textzugang.h"

class Zeilenfeld;

// The exercise line as a screen reader reads it: its name is the line, as for every label, and
// its text can be reviewed character by character and word by word.
class ZeilenfeldZugang : public Textzugang
{
public:
    explicit ZeilenfeldZugang(Zeilenfeld *zeile);

    QString text(QAccessible::Text art) const override;

protected:
    QString inhalt() const override;
    int caret() const override;
    QRect zeichenOrt(int stelle) const override;

private:
    Zeilenfeld *zeile() const;
};

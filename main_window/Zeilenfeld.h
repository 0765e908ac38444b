#pragma once

#include <QLabel>

// The exercise line TextFeld: a label whose text a screen reader can also read character by
// character and word by word, so a listener can spell the line to type.
class Zeilenfeld : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Where character `stelle` is drawn, in the label's coordinates; empty outside the text.
    QRect zeichenRechteck(int stelle) const;
};

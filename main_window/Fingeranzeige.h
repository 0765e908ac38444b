#pragma once

#include "util/Steuerfeld.h"

#include <QWidget>

class Formelement;
class Knopf;
class QLabel;
class SvgBild;

// The finger guide above the keyboard: the eight finger buttons, the picture of two hands and
// the ten markers over its fingertips and thumbs. A finger button asks to show that finger's keys;
// the window then lights the finger's marker red and the other hand's thumb yellow here.
class Fingeranzeige : public QWidget
{
    Q_OBJECT
public:
    // The guide's place in the main window's client area.
    static constexpr QRect Platz{24, 76, 835, 170};

    explicit Fingeranzeige(QWidget *parent = nullptr);

    void verbirgMarker();
    // Finger button `index` (0..7): its red marker and the yellow thumb marker light up.
    void leuchte(int index);

    Knopf *knopf(int index) const;

Q_SIGNALS:
    void fingerGeklickt(int index);

private:
    void beschreibeMarker(int i);

    Steuerfeld<QLabel *, 0, 2> Bezeichnung1;
    Steuerfeld<Knopf *, 0, 7> Finger;
    SvgBild *Image1 = nullptr;
    Steuerfeld<Formelement *, 0, 9> DieFinger;
};

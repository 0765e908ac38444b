#pragma once

class QWidget;

// Gives a main window a sunken inner border around its client area and raises it. The border
// sits on the window's central frame, so a second call changes nothing.
void DickerRand(QWidget *fenster);

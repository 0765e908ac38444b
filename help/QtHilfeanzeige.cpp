#include "help/QtHilfeanzeige.h"

#include "help/HilfeFenster.h"

#include <QApplication>

void QtHilfeanzeige::zeige(int seite)
{
    HilfeFenster fenster(seite, QApplication::activeWindow());
    fenster.exec();
}

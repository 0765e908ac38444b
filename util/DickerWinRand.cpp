#include "util/DickerWinRand.h"

#include <QFrame>
#include <QMainWindow>

void DickerRand(QWidget *fenster)
{
    auto *hauptfenster = qobject_cast<QMainWindow *>(fenster);
    if (!hauptfenster)
        return;
    if (auto *rand = qobject_cast<QFrame *>(hauptfenster->centralWidget())) {
        rand->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        rand->setLineWidth(2);
    }
    hauptfenster->raise();
}

#include "util/DickerRand.h"

#include <QFrame>
#include <QLayout>
#include <QMainWindow>

void DickerRand(QWidget *fenster)
{
    auto *hauptfenster = qobject_cast<QMainWindow *>(fenster);
    if (!hauptfenster)
        return;
    if (auto *rand = qobject_cast<QFrame *>(hauptfenster->centralWidget())) {
        // The client area keeps its size, so the window grows by the border; it grows around its
        // centre, and a window that was centred stays centred.
        const QRect vorher = hauptfenster->frameGeometry();
        rand->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        rand->setLineWidth(2);
        if (QLayout *anordnung = hauptfenster->layout())
            anordnung->activate();
        const QSize zuwachs = hauptfenster->frameGeometry().size() - vorher.size();
        if (!zuwachs.isNull())
            hauptfenster->move(vorher.topLeft() -
                               QPoint(zuwachs.width() / 2, zuwachs.height() / 2));
    }
    hauptfenster->raise();
}

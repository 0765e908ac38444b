#include "main_window/KlickLabel.h"

#include <QMouseEvent>

void KlickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT geklickt();
}

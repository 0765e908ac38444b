#include "util/Bildschirmzeiger.h"

#include <QApplication>
#include <QCursor>

void setzeBildschirmzeiger(int code)
{
    switch (code) {
    case Bildschirmzeiger::Standard:
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        break;
    case Bildschirmzeiger::Sanduhr:
        // Replace rather than stack, so that one return to 0 always restores the pointers.
        if (QApplication::overrideCursor())
            QApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        break;
    default:
        break;
    }
}

int bildschirmzeiger()
{
    const QCursor *zeiger = QApplication::overrideCursor();
    return zeiger && zeiger->shape() == Qt::WaitCursor ? Bildschirmzeiger::Sanduhr
                                                       : Bildschirmzeiger::Standard;
}

#include "Fakes.h"

#include <QCursor>
#include <QGuiApplication>

bool AufzeichnendeWebbrowser::oeffne(const QUrl &adresse)
{
    std::optional<Qt::CursorShape> zeiger;
    if (const QCursor *c = QGuiApplication::overrideCursor())
        zeiger = c->shape();
    aufrufe.append({adresse, zeiger});
    return gelingt;
}

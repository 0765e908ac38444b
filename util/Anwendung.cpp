#include "util/Anwendung.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace Anwendung {

void einrichten()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

} // namespace Anwendung

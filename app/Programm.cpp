#include "app/Programm.h"

#include "app/Zugaenge.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace Programm {

void einrichten()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    static const bool zugaenge = [] {
        QAccessible::installFactory(Zugaenge::fuer);
        return true;
    }();
    Q_UNUSED(zugaenge)
}

} // namespace Programm

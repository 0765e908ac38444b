#include "app/Zugaenge.h"

#include "app/AStart.h"
#include "main_window/Ansage.h"
#include "main_window/AnsageZugang.h"
#include "main_window/Eingabefeld.h"
#include "main_window/EingabefeldZugang.h"

#include <QAccessibleWidget>

namespace Zugaenge {

QAccessibleInterface *fuer(const QString &klasse, QObject *objekt)
{
    if (klasse == u"Eingabefeld")
        return new EingabefeldZugang(static_cast<Eingabefeld *>(objekt));
    if (klasse == u"Ansage")
        return new AnsageZugang(static_cast<Ansage *>(objekt));
    if (klasse == u"AStart")
        return new QAccessibleWidget(static_cast<AStart *>(objekt), QAccessible::Window);
    return nullptr;
}

} // namespace Zugaenge

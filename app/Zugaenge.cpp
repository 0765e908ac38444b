#include "app/Zugaenge.h"

#include "app/AStart.h"
#include "main_window/Ansage.h"
#include "main_window/AnsageZugang.h"
#include "main_window/Eingabefeld.h"
#include "main_window/EingabefeldZugang.h"
#include "main_window/Zeilenfeld.h"
#include "main_window/ZeilenfeldZugang.h"

#include <QAccessibleWidget>

namespace Zugaenge {

QAccessibleInterface *fuer(const QString &klasse, QObject *objekt)
{
    if (klasse == u"Eingabefeld")
        return new EingabefeldZugang(static_cast<Eingabefeld *>(objekt));
    if (klasse == u"Zeilenfeld")
        return new ZeilenfeldZugang(static_cast<Zeilenfeld *>(objekt));
    if (klasse == u"Ansage")
        return new AnsageZugang(static_cast<Ansage *>(objekt));
    // The frame around the client area draws its sunken edge and is no window of its own; a
    // screen reader taking it for one would find nothing in it to review.
    if (klasse == u"QFrame" && objekt->objectName() == u"Rand")
        return new QAccessibleWidget(static_cast<QWidget *>(objekt), QAccessible::Pane);
    if (klasse == u"AStart")
        return new QAccessibleWidget(static_cast<AStart *>(objekt), QAccessible::Window);
    return nullptr;
}

} // namespace Zugaenge

#include "main_window/AnsageZugang.h"

#include "main_window/Ansage.h"

AnsageZugang::AnsageZugang(Ansage *ansage) : QAccessibleWidget(ansage, QAccessible::Notification) {}

QString AnsageZugang::text(QAccessible::Text art) const
{
    if (art == QAccessible::Name)
        return static_cast<Ansage *>(widget())->text();
    return QAccessibleWidget::text(art);
}

#include "main_window/ZeilenfeldZugang.h"

#include "main_window/Zeilenfeld.h"

ZeilenfeldZugang::ZeilenfeldZugang(Zeilenfeld *zeile) : Textzugang(zeile, QAccessible::StaticText)
{
}

Zeilenfeld *ZeilenfeldZugang::zeile() const
{
    return static_cast<Zeilenfeld *>(widget());
}

QString ZeilenfeldZugang::text(QAccessible::Text art) const
{
    if (art == QAccessible::Name && zeile()->accessibleName().isEmpty())
        return zeile()->text();
    return QAccessibleWidget::text(art);
}

QString ZeilenfeldZugang::inhalt() const
{
    return zeile()->text();
}

int ZeilenfeldZugang::caret() const
{
    return 0; // a reader starts at the line's beginning
}

QRect ZeilenfeldZugang::zeichenOrt(int stelle) const
{
    return zeile()->zeichenRechteck(stelle);
}

#include "main_window/EingabefeldZugang.h"

#include "main_window/Eingabefeld.h"

EingabefeldZugang::EingabefeldZugang(Eingabefeld *feld)
    : Textzugang(feld, QAccessible::EditableText)
{
}

Eingabefeld *EingabefeldZugang::feld() const
{
    return static_cast<Eingabefeld *>(widget());
}

QAccessible::State EingabefeldZugang::state() const
{
    QAccessible::State zustand = QAccessibleWidget::state();
    zustand.editable = feld()->isEnabled();
    zustand.focusable = true;
    zustand.selectableText = true;
    return zustand;
}

QString EingabefeldZugang::text(QAccessible::Text art) const
{
    if (art == QAccessible::Value)
        return feld()->text();
    return QAccessibleWidget::text(art);
}

QString EingabefeldZugang::inhalt() const
{
    return feld()->text();
}

int EingabefeldZugang::caret() const
{
    return int(feld()->text().size()); // typing goes on at the end, always
}

QRect EingabefeldZugang::zeichenOrt(int stelle) const
{
    return feld()->zeichenRechteck(stelle);
}

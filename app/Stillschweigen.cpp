#include "app/Stillschweigen.h"

Stillschweigen::Stillschweigen()
    : m_vorher(QAccessible::installUpdateHandler([](QAccessibleEvent *) {}))
{
}

Stillschweigen::~Stillschweigen()
{
    QAccessible::installUpdateHandler(m_vorher);
}

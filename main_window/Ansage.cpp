#include "main_window/Ansage.h"

#include <QAccessible>

Ansage::Ansage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ansage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
    hide();
}

void Ansage::sage(const QString &text)
{
    // Hidden and shown again, so that the same news twice is still spoken twice.
    hide();
    m_text = text;
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    show();
}

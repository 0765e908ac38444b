#include "main_window/Ansage.h"

#include <QLabel>

Ansage::Ansage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ansage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
    m_zeile = new QLabel(this);
    m_zeile->setObjectName(QStringLiteral("Ansagetext"));
    m_zeile->setGeometry(0, 0, 1, 1);
    // Never seen: the one pixel it covers is drawn in no colour.
    QPalette farben = m_zeile->palette();
    farben.setColor(QPalette::WindowText, Qt::transparent);
    m_zeile->setPalette(farben);
    hide();
}

void Ansage::sage(const QString &text)
{
    // Hidden and shown again, so that the same news twice is still spoken twice.
    hide();
    m_text = text;
    m_zeile->setText(text);
    show();
}

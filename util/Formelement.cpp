#include "util/Formelement.h"

#include <QPainter>

Formelement::Formelement(Art art, QColor fuellung, QColor rand, int randbreite, QWidget *parent)
    : QWidget(parent), m_art(art), m_fuellung(fuellung), m_rand(rand), m_randbreite(randbreite)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Formelement::setzeFuellfarbe(const QColor &farbe)
{
    if (farbe == m_fuellung)
        return;
    m_fuellung = farbe;
    update();
}

void Formelement::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The outline lies inside the bounds, so the shape never paints outside its rectangle.
    const qreal halb = m_randbreite / 2.0;
    const QRectF innen = QRectF(rect()).adjusted(halb, halb, -halb, -halb);
    p.setBrush(m_fuellung);
    if (m_randbreite > 0)
        p.setPen(QPen(m_rand, m_randbreite));
    else
        p.setPen(Qt::NoPen);
    if (m_art == Art::Kreis) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(innen);
    } else {
        p.drawRect(innen);
    }
}

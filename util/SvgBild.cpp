#include "util/SvgBild.h"

#include <QPainter>

SvgBild::SvgBild(const QString &quelle, QWidget *parent) : QWidget(parent), m_renderer(quelle)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize SvgBild::sizeHint() const
{
    return m_renderer.defaultSize();
}

void SvgBild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&p, QRectF(rect()));
}

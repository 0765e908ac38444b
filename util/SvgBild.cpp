#include "util/SvgBild.h"
#include "util/Bilder.h"

#include <QPainter>

SvgBild::SvgBild(const QString &quelle, QWidget *parent) : QWidget(parent)
{
    bilderBereitstellen();
    m_renderer.load(quelle);
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

#include "util/SvgBild.h"

#include <QPainter>

SvgBild::SvgBild(const QString &quelle, QWidget *parent) : QWidget(parent)
{
    m_renderer.load(quelle);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize SvgBild::sizeHint() const
{
    return m_renderer.defaultSize();
}

void SvgBild::paintEvent(QPaintEvent *)
{
    // Rendered once per size and pixel ratio, then shown from the picture.
    const qreal verhaeltnis = devicePixelRatioF();
    if (m_bild.isNull() || m_bild.devicePixelRatio() != verhaeltnis ||
        m_bild.deviceIndependentSize() != QSizeF(size())) {
        m_bild = QPixmap(size() * verhaeltnis);
        m_bild.setDevicePixelRatio(verhaeltnis);
        m_bild.fill(Qt::transparent);
        QPainter maler(&m_bild);
        maler.setRenderHint(QPainter::Antialiasing);
        m_renderer.render(&maler, QRectF(rect()));
    }
    QPainter(this).drawPixmap(0, 0, m_bild);
}

#include "util/Mauszeiger.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>

namespace Mauszeiger {

QCursor ausSvg(const QString &quelle, QPoint heissPunkt, int groesse)
{
    const QScreen *bildschirm = QGuiApplication::primaryScreen();
    const qreal verhaeltnis = bildschirm ? bildschirm->devicePixelRatio() : 1.0;
    QPixmap bild(QSize(groesse, groesse) * verhaeltnis);
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(Qt::transparent);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(quelle).render(&p, QRectF(0, 0, groesse, groesse));
    }
    return QCursor(bild, heissPunkt.x(), heissPunkt.y());
}

QCursor offeneHand()
{
    static const QCursor zeiger =
        ausSvg(QStringLiteral(":/bilder/zeiger_offene_hand.svg"), {16, 14});
    return zeiger;
}

QCursor zeigeHand()
{
    static const QCursor zeiger = ausSvg(QStringLiteral(":/bilder/zeiger_zeigehand.svg"), {11, 1});
    return zeiger;
}

QCursor zeigeHandStart()
{
    static const QCursor zeiger =
        ausSvg(QStringLiteral(":/bilder/zeiger_zeigehand_start.svg"), {11, 1});
    return zeiger;
}

} // namespace Mauszeiger

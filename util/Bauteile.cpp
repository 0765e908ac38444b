#include "util/Bauteile.h"

namespace Bauteile {

QFont schrift(const QString &familie, qreal punkte, bool fett)
{
    QFont f(familie);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

QFont arial(qreal punkte, bool fett)
{
    return schrift(QStringLiteral("Arial"), punkte, fett);
}

QRect pixel(double links, double oben, double breite, double hoehe)
{
    const int x = qRound(links);
    const int y = qRound(oben);
    return QRect(x, y, qRound(links + breite) - x, qRound(oben + hoehe) - y);
}

void richteEin(QLabel *l, const Beschriftung &b)
{
    l->setObjectName(b.name);
    l->setGeometry(b.platz);
    l->setTextFormat(Qt::PlainText);
    l->setText(b.text);
    l->setFont(b.schrift);
    l->setAlignment(b.ausrichtung);
    l->setWordWrap(b.umbruch);
    if (b.pfeilzeiger)
        l->setCursor(Qt::ArrowCursor);
    QPalette farben = l->palette();
    farben.setColor(QPalette::WindowText, b.textfarbe);
    if (b.hintergrund.isValid()) {
        farben.setColor(QPalette::Window, b.hintergrund);
        l->setAutoFillBackground(true);
    }
    l->setPalette(farben);
    if (b.rand)
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setToolTip(b.tooltip);
}

Knopf *knopf(QWidget *eltern, const Knopfdaten &k)
{
    auto *knopf = new Knopf(k.farbe, eltern);
    knopf->setObjectName(k.name);
    knopf->setGeometry(k.platz);
    knopf->setText(k.text);
    knopf->setFont(k.schrift);
    knopf->setToolTip(k.tooltip);
    knopf->setCursor(k.zeiger);
    return knopf;
}

} // namespace Bauteile

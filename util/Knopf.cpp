#include "util/Knopf.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

Knopf::Knopf(QColor hintergrund, QWidget *parent) : QPushButton(parent), m_hintergrund(hintergrund)
{
    setAutoDefault(false);
}

void Knopf::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Q_EMIT schriftGeaendert();
}

void Knopf::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the focus, as Space does: where typing goes to the input
    // box, Enter is the keyboard's way to press a button.
    const bool eingabetaste = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (eingabetaste && !(event->modifiers() & ~Qt::KeypadModifier) && !event->isAutoRepeat()) {
        animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

Knopf::Ansicht Knopf::ansicht() const
{
    // The style frames the focus only once the keyboard has moved it in this window.
    const bool fokusrahmen = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    return {size(),
            devicePixelRatioF(),
            text(),
            font(),
            icon().cacheKey(),
            isDown() || isChecked(),
            fokusrahmen,
            isEnabled(),
            palette()
                .color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText)
                .rgba()};
}

void Knopf::paintEvent(QPaintEvent *)
{
    // A button is drawn once for each look it takes and then shown from its picture: the first
    // frame of a window prepared ahead only copies what the preparation drew.
    const Ansicht jetzt = ansicht();
    if (m_bild.isNull() || !(jetzt == m_ansicht)) {
        m_bild = QPixmap(jetzt.groesse * jetzt.verhaeltnis);
        m_bild.setDevicePixelRatio(jetzt.verhaeltnis);
        m_bild.fill(Qt::transparent);
        QPainter maler(&m_bild);
        zeichne(maler, jetzt.gedrueckt);
        m_ansicht = jetzt;
    }
    QPainter(this).drawPixmap(0, 0, m_bild);
}

void Knopf::zeichne(QPainter &p, bool gedrueckt) const
{
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF flaeche = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(m_hintergrund.darker(gedrueckt ? 190 : 160), 1.0));
    p.setBrush(gedrueckt ? m_hintergrund.darker(115) : m_hintergrund);
    p.drawRoundedRect(flaeche, 3.0, 3.0);

    // A light inner edge on top gives the raised look of a key without changing its colour.
    if (!gedrueckt) {
        p.setPen(QPen(m_hintergrund.lighter(112), 1.0));
        p.drawLine(QPointF(3.0, 1.5), QPointF(width() - 3.0, 1.5));
    }

    const QRect inhalt =
        rect().adjusted(2, 2, -2, -2).translated(gedrueckt ? QPoint(1, 1) : QPoint());
    if (!icon().isNull()) {
        const QIcon::Mode modus = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        // Pictures keep their own size: an SVG icon would otherwise grow to fill the key.
        QRect bild(QPoint(), iconSize().boundedTo(inhalt.size()));
        bild.moveCenter(inhalt.center());
        icon().paint(&p, bild, Qt::AlignCenter, modus);
    } else {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.setFont(font());
        style()->drawItemText(&p, inhalt, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap,
                              palette(), isEnabled(), text());
    }

    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = rect().adjusted(4, 4, -4, -4);
        fokus.backgroundColor = m_hintergrund;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
    }
}

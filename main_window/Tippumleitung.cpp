#include "main_window/Tippumleitung.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// A key that types a character, or a dead key waiting for one; commands stay where they are.
bool tippt(const QKeyEvent *taste)
{
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (taste->key() >= Qt::Key_Dead_Grave && taste->key() <= Qt::Key_Dead_Longsolidusoverlay)
        return true;
    const QString text = taste->text();
    return !text.isEmpty() && text.front().category() != QChar::Other_Control;
}

} // namespace

Tippumleitung::Tippumleitung(QWidget *feld, QObject *parent) : QObject(parent), m_feld(feld) {}

void Tippumleitung::beobachte(QWidget *steuerelement)
{
    if (steuerelement != m_feld)
        steuerelement->installEventFilter(this);
}

bool Tippumleitung::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::KeyPress || !m_feld->isEnabled() || objekt == m_feld)
        return false;
    auto *druck = static_cast<QKeyEvent *>(ereignis);
    if (!tippt(druck))
        return false;
    m_feld->setFocus(Qt::OtherFocusReason);
    QKeyEvent weiter(druck->type(), druck->key(), druck->modifiers(), druck->nativeScanCode(),
                     druck->nativeVirtualKey(), druck->nativeModifiers(), druck->text(),
                     druck->isAutoRepeat(), quint16(druck->count()));
    weiter.setTimestamp(druck->timestamp());
    QCoreApplication::sendEvent(m_feld, &weiter);
    return true;
}

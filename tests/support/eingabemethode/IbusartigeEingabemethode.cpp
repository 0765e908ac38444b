#include "IbusartigeEingabemethode.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>

void IbusartigeEingabemethode::sende(const QString &vorschau, const QString &festgelegt)
{
    QObject *ziel = QGuiApplication::focusObject();
    if (!ziel)
        return;
    // Deep enough to show the loop, short of overflowing the stack.
    if (m_tiefe >= 8)
        return;
    ++m_tiefe;
    m_tiefste = qMax(m_tiefste, m_tiefe);
    QInputMethodEvent ereignis(vorschau, {});
    ereignis.setCommitString(festgelegt);
    QCoreApplication::sendEvent(ziel, &ereignis);
    --m_tiefe;
}

void IbusartigeEingabemethode::reset()
{
    ++m_zuruecksetzungen;
    m_vorschau.clear();
}

void IbusartigeEingabemethode::commit()
{
    // As IBus: the composition goes out first and is forgotten only afterwards.
    if (!m_vorschau.isEmpty())
        sende(QString(), m_vorschau);
    m_vorschau.clear();
}

void IbusartigeEingabemethode::zeigeVorschau(const QString &text)
{
    m_vorschau = text;
    sende(text, QString());
}

void IbusartigeEingabemethode::legeFest(const QString &text)
{
    sende(QString(), text);
    m_vorschau.clear();
}

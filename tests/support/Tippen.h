#pragma once

// Typing into a widget as a German keyboard delivers it: plain and shifted characters as key
// presses, letters made with a dead accent key (and a lone accent) as input-method commits. A
// commit takes its place behind the keys the toolkit has not delivered yet, so each helper waits
// until what it sent has arrived.

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

namespace Tippen {

inline bool kommtUeberTotetaste(QChar c)
{
    static const QString tot = QStringLiteral("àáâèéêìíîòóôùúûýÀÁÂÈÉÊÌÍÎÒÓÔÙÚÛÝ´`^");
    return tot.contains(c);
}

// Delivers the keys the toolkit has queued, and nothing else (no repaint, no timer).
inline void zustellen()
{
    QWindowSystemInterface::flushWindowSystemEvents();
}

// An input method's commit, as a compose or IBus input method sends it.
inline void festlegen(QWidget *w, const QString &text)
{
    QInputMethodEvent ereignis;
    ereignis.setCommitString(text);
    QApplication::sendEvent(w, &ereignis);
    zustellen();
}

inline void zeichen(QWidget *w, const QString &z)
{
    if (z.size() == 1 && kommtUeberTotetaste(z[0]))
        festlegen(w, z);
    else
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, z, Qt::NoModifier);
}

inline void text(QWidget *w, const QString &t)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        const bool paar = t[i].isHighSurrogate() && i + 1 < t.size();
        zeichen(w, t.mid(i, paar ? 2 : 1));
        if (paar)
            ++i;
    }
}

} // namespace Tippen

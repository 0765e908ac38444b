#pragma once

// Typing into a widget as a German keyboard delivers it: plain and shifted characters as key
// presses, letters made with a dead accent key (and a lone accent) as input-method commits.

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

namespace Tippen {

inline bool kommtUeberTotetaste(QChar c)
{
    static const QString tot = QStringLiteral("àáâèéêìíîòóôùúûýÀÁÂÈÉÊÌÍÎÒÓÔÙÚÛÝ´`^");
    return tot.contains(c);
}

inline void zeichen(QWidget *w, const QString &z)
{
    if (z.size() == 1 && kommtUeberTotetaste(z[0])) {
        QInputMethodEvent ereignis;
        ereignis.setCommitString(z);
        QApplication::sendEvent(w, &ereignis);
    } else {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, z, Qt::NoModifier);
    }
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

// Every control of both windows and of the help window can be found by a screen reader, and
// everything can be reached from the keyboard.

#include "Fensterprobe.h"
#include "app/AStart.h"
#include "help/HilfeFenster.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace {

QString name(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

// Controls without a name, as "class objectName" entries.
QStringList ohneNamen(QWidget *fenster)
{
    QStringList fehlend;
    const QList<QWidget *> alle = fenster->findChildren<QWidget *>();
    for (QWidget *w : alle) {
        // Qt's own parts of composite widgets (scroll bars, tab bars, viewports) carry no
        // object name of ours and are named by their owners.
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (name(w).trimmed().isEmpty())
            fehlend << QStringLiteral("%1 %2").arg(
                QString::fromLatin1(w->metaObject()->className()), w->objectName());
    }
    return fehlend;
}

} // namespace

class TstBarrierefreiheit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jedesSteuerelementHatEinenNamen()
    {
        Startfensterprobe start;
        Hauptfensterprobe haupt;
        HilfeFenster hilfe(1);
        for (QWidget *fenster :
             {static_cast<QWidget *>(&start.fenster()), static_cast<QWidget *>(&haupt.fenster()),
              static_cast<QWidget *>(&hilfe)}) {
            QVERIFY(!name(fenster).isEmpty() || !fenster->windowTitle().isEmpty());
            const QStringList fehlend = ohneNamen(fenster);
            QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join(QStringLiteral(", "))));
        }
        // Keys keep their names when their captions switch to the shifted set.
        QCOMPARE(name(haupt.ctrl(QStringLiteral("Buchstaben_0"))), QStringLiteral("Taste Q"));
        qobject_cast<QAbstractButton *>(haupt.ctrl(QStringLiteral("ZeigeTasten_1")))->click();
        QCOMPARE(name(haupt.ctrl(QStringLiteral("Zahlentasten_1"))), QStringLiteral("Taste 1"));
        QCOMPARE(name(haupt.feld()), QStringLiteral("Eingabe"));
        QCOMPARE(name(haupt.ctrl(QStringLiteral("TextFeld"))), QStringLiteral("Übungszeile"));
        QVERIFY(!haupt.ctrl(QStringLiteral("Finger_0"))->accessibleDescription().isEmpty());
    }

    void allesPerTastaturErreichbar()
    {
        Hauptfensterprobe probe;
        probe.zeige();
        tippen &haupt = probe.fenster();
        QTRY_VERIFY(probe.feld()->hasFocus());

        // Alt alone leads into the menu bar, from where the arrow keys reach every item.
        QTest::keyClick(haupt.windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QTRY_VERIFY(haupt.menuBar()->activeAction() || haupt.menuBar()->hasFocus());
        QTest::keyClick(haupt.menuBar(), Qt::Key_Escape);

        // The buttons carry their access keys.
        QCOMPARE(probe.ctrl<QAbstractButton>(QStringLiteral("Wiederholen"))->text(),
                 QStringLiteral("&Wiederholen"));
        QCOMPARE(probe.ctrl<QAbstractButton>(QStringLiteral("EndE"))->text(),
                 QStringLiteral("&ENDE"));

        // Tab from FELD reaches every button that does something.
        QSet<QWidget *> erreicht;
        QWidget *w = probe.feld();
        for (int i = 0; i < 200; ++i) {
            erreicht.insert(w);
            w = w->nextInFocusChain();
        }
        for (QPushButton *k : haupt.findChildren<QPushButton *>()) {
            if (k->isVisible())
                QVERIFY2(erreicht.contains(k) && (k->focusPolicy() & Qt::TabFocus),
                         qPrintable(k->objectName()));
        }
    }
};

QTEST_MAIN(TstBarrierefreiheit)
#include "tst_barrierefreiheit.moc"

// How the main window is reached from the keyboard and the menu bar: the menu tree as it shows,
// Alt leading into it, and where each Tab sends the focus.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "main_window/tippen.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {

// One line per visible item: its depth in two-space steps, its caption and its name.
QStringList baum(const QList<QAction *> &aktionen, const QString &einzug = {})
{
    QStringList zeilen;
    for (QAction *a : aktionen) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        QString name = a->objectName();
        if (name.isEmpty() && a->menu())
            name = a->menu()->objectName();
        zeilen << QStringLiteral("%1%2 (%3)").arg(einzug, a->text(), name);
        if (a->menu())
            zeilen << baum(a->menu()->actions(), einzug + QStringLiteral("  "));
    }
    return zeilen;
}

} // namespace

class TstHauptfensterBedienung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The menu tree, and Alt as the way into it.
    void menues()
    {
        Hauptfensterprobe p;
        QCOMPARE(baum(p.fenster().menuBar()->actions()), Sollwerte::menuebaum());
        p.zeige();
        QTRY_VERIFY(p.feld()->hasFocus());
        QTest::keyClick(p.fenster().windowHandle(), Qt::Key_Alt, Qt::AltModifier);
        QTRY_VERIFY(p.fenster().menuBar()->activeAction() || p.fenster().menuBar()->hasFocus());
        QTest::keyClick(p.fenster().menuBar(), Qt::Key_Escape);
    }

    // Kept in the "Lektionen" menu, but hidden and disabled, so the learner never meets it.
    void uebungstexteVersteckt()
    {
        Hauptfensterprobe p;
        QAction *uebungstexte = p.menuepunkt(QStringLiteral("mnu_ÜbungsT"));
        QVERIFY(!uebungstexte->isVisible());
        QVERIFY(!uebungstexte->isEnabled());
        QVERIFY(p.menuepunkt(QStringLiteral("mnu_Lektionen"))
                    ->menu()
                    ->actions()
                    .contains(uebungstexte));
        QStringList texte{
            QStringLiteral("%1 (%2)").arg(uebungstexte->text(), uebungstexte->objectName())};
        for (QAction *a : uebungstexte->menu()->actions())
            texte << QStringLiteral("  %1 (%2)").arg(a->text(), a->objectName());
        QCOMPARE(texte, Sollwerte::Uebungstexte);
    }

    // Tab as the keyboard sends it, through the window, from FELD round to FELD again. Every key
    // button stays in the Tab sequence, so the order is the whole design order.
    void fokusfolge()
    {
        Hauptfensterprobe p;
        p.zeige();
        QTRY_COMPARE(QApplication::focusWidget(), p.feld());
        const QStringList soll = Sollwerte::fokusfolge() << QStringLiteral("FELD");
        QStringList gesehen{QApplication::focusWidget()->objectName()};
        while (gesehen.size() < soll.size()) {
            QTest::keyClick(p.fenster().windowHandle(), Qt::Key_Tab);
            gesehen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                    : QStringLiteral("(none)"));
        }
        QCOMPARE(gesehen, soll);
    }
};

QTEST_MAIN(TstHauptfensterBedienung)
#include "tst_hauptfenster_bedienung.moc"

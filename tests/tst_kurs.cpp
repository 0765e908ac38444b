// The whole course typed through the main window, every character as the keyboard delivers it.
// Catches any line that cannot be completed: a character the evaluation mishandles, a line over
// the warning length, a lesson that ends early or late.

#include "Fensterprobe.h"
#include "Tippen.h"
#include "engine/Uebung.h"
#include "lessons/Kurs.h"
#include "main_window/tippen.h"

#include <QLabel>
#include <QtTest>

class TstKurs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jedeZeileJederLektion()
    {
        Hauptfensterprobe p;
        p.zeige();
        auto *textFeld = p.ctrl<QLabel>(QStringLiteral("TextFeld"));
        for (int lektion = 1; lektion <= Kurs::AnzahlLektionen; ++lektion) {
            p.lektion(lektion);
            for (int zeile = 1; zeile <= Kurs::ZeilenJeLektion; ++zeile) {
                const QString text = Kurs::zeile(lektion, zeile);
                QCOMPARE(textFeld->text(), text);
                Tippen::text(p.feld(), text);
                QVERIFY2(p.umgebung.meldungen.eintraege.isEmpty(),
                         qPrintable(QStringLiteral("Lektion %1, Zeile %2: %3")
                                        .arg(lektion)
                                        .arg(zeile)
                                        .arg(p.umgebung.meldungen.eintraege.value(0).text)));
                QCOMPARE(p.fenster().windowTitle(),
                         QStringLiteral("Lektion: %1- Fehlerfrei:  %2 von 15 Reihen.")
                             .arg(lektion)
                             .arg(zeile));
            }
            QVERIFY(!p.feld()->isEnabled());
            QCOMPARE(p.feld()->text(), Uebung::auswahlaufforderung());
            QCOMPARE(textFeld->text(), QStringLiteral("Lektion beendet"));
            QVERIFY(!p.ctrl(QStringLiteral("Wiederholen"))->isVisible());
        }
        QCOMPARE(p.fenster().uebung().zustand().FehlerZahl, 0);
    }
};

QTEST_MAIN(TstKurs)
#include "tst_kurs.moc"

// The whole course typed through the main window, every character as the keyboard delivers it.
// Catches any line that cannot be completed: a character the evaluation mishandles, a line over
// the warning length, a lesson that ends early or late.

#include "Fakes.h"
#include "Tippen.h"
#include "engine/Uebung.h"
#include "lessons/Lektionstexte.h"
#include "main_window/Eingabefeld.h"
#include "main_window/Knopf.h"
#include "main_window/tippen.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

class TstKurs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jedeZeileJederLektion()
    {
        Testumgebung u;
        tippen f(u.umgebung());
        f.Show();
        for (int lektion = 1; lektion <= Lektionstexte::AnzahlLektionen; ++lektion) {
            const int index = (lektion - 1) % 10;
            (lektion <= 10   ? f.Lektion1
             : lektion <= 20 ? f.Lektion2
                             : f.Lektion3)[index]
                ->trigger();
            for (int zeile = 1; zeile <= Lektionstexte::ZeilenJeLektion; ++zeile) {
                const QString text = Lektionstexte::zeile(lektion, zeile);
                QCOMPARE(f.TextFeld->text(), text);
                Tippen::text(f.FELD, text);
                QVERIFY2(u.meldungen.eintraege.isEmpty(),
                         qPrintable(QStringLiteral("Lektion %1, Zeile %2: %3")
                                        .arg(lektion)
                                        .arg(zeile)
                                        .arg(u.meldungen.eintraege.value(0).text)));
                QCOMPARE(f.windowTitle(),
                         QStringLiteral("Lektion: %1- Fehlerfrei:  %2 von 15 Reihen.")
                             .arg(lektion)
                             .arg(zeile));
            }
            QVERIFY(!f.FELD->isEnabled());
            QCOMPARE(f.FELD->text(), Uebung::auswahlaufforderung());
            QCOMPARE(f.TextFeld->text(), QStringLiteral("Lektion beendet"));
            QVERIFY(!f.Wiederholen->isVisible());
        }
        QCOMPARE(f.zustand().FehlerZahl, 0);
    }
};

QTEST_MAIN(TstKurs)
#include "tst_kurs.moc"

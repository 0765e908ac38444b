// The whole course typed through the main window, every character as the keyboard delivers it.
// Catches any line that cannot be completed: a character the evaluation mishandles, a line over
// the warning length, a lesson that ends early or late.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "Tippen.h"
#include "lessons/Kurs.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
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
                         Sollwerte::fortschritt(QString::number(lektion), zeile));
            }
            QVERIFY(!p.feld()->isEnabled());
            QCOMPARE(p.feld()->text(), Sollwerte::Auswahlaufforderung);
            QCOMPARE(textFeld->text(), Sollwerte::LektionBeendet);
            QVERIFY(!p.ctrl(QStringLiteral("Wiederholen"))->isVisible());
        }
        QCOMPARE(p.ctrl<QAbstractButton>(QStringLiteral("FehlerTaste"))->text(),
                 Sollwerte::FehlerAmAnfang);
    }
};

QTEST_MAIN(TstKurs)
#include "tst_kurs.moc"

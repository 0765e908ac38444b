// Long seeded random sessions on the real main window. A failing seed is printed together with
// the command that replays it.
//
//   FINGALO_SAAT=<seed> FINGALO_SCHRITTE=<steps> build/tests/tst_zufallssitzung

#include "Fensterprobe.h"
#include "Zufallssitzung.h"

#include <QtTest>

class TstZufallssitzung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sitzungen()
    {
        const qint64 schritte = qEnvironmentVariableIsSet("FINGALO_SCHRITTE")
                                    ? qEnvironmentVariable("FINGALO_SCHRITTE").toLongLong()
                                    : 60000;
        QList<quint64> saaten{1, 2, 3, 4};
        if (qEnvironmentVariableIsSet("FINGALO_SAAT"))
            saaten = {qEnvironmentVariable("FINGALO_SAAT").toULongLong()};

        for (const quint64 saat : saaten) {
            Hauptfensterprobe probe;
            probe.zeige();
            Zufallssitzung sitzung(probe, saat);
            for (qint64 i = 1; i <= schritte; ++i) {
                const QString fehler = sitzung.schritt();
                if (!fehler.isEmpty()) {
                    QFAIL(qPrintable(
                        QStringLiteral("seed %1, step %2 (%3): %4\nreplay: FINGALO_SAAT=%1 "
                                       "FINGALO_SCHRITTE=%2 %5")
                            .arg(saat)
                            .arg(i)
                            .arg(sitzung.letzteAktion(), fehler,
                                 QCoreApplication::applicationFilePath())));
                }
            }
        }
    }
};

QTEST_MAIN(TstZufallssitzung)
#include "tst_zufallssitzung.moc"

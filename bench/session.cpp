// The randomized session as a benchmark: actions per second, and peak memory after ten thousand
// actions against after many more. The two peaks must not differ: nothing may pile up.
//
//   session [actions]   (default 1 000 000; the README's figure uses 10 000 000)

#include "Fensterprobe.h"
#include "Zufallssitzung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

// A line of /proc/self/status in MiB: VmHWM is the peak, VmRSS the memory in use now.
double speicherMiB(const QByteArray &feld)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &zeile : status.readAll().split('\n')) {
        if (zeile.startsWith(feld))
            return double(zeile.mid(feld.size()).trimmed().split(' ').value(0).toLongLong()) /
                   1024.0;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const qint64 schritte = argc >= 2 ? QByteArray(argv[1]).toLongLong() : 1000000;
    Hauptfensterprobe probe;
    probe.zeige();
    Zufallssitzung sitzung(probe, 20261209);

    QElapsedTimer uhr;
    uhr.start();
    double frueh = 0;
    double fruehBelegt = 0;
    for (qint64 i = 1; i <= schritte; ++i) {
        const QString fehler = sitzung.schritt();
        if (!fehler.isEmpty()) {
            std::fprintf(stderr, "step %lld: %s\n", static_cast<long long>(i), qPrintable(fehler));
            return 1;
        }
        // A real session returns to the event loop between keystrokes; so does this one.
        if (i % 64 == 0)
            QCoreApplication::processEvents();
        if (i == 10000) {
            frueh = speicherMiB("VmHWM:");
            fruehBelegt = speicherMiB("VmRSS:");
        }
    }
    const double sekunden = double(uhr.nsecsElapsed()) / 1e9;
    std::printf("session (%lld random actions on the main window)\n",
                static_cast<long long>(schritte));
    std::printf("actions per second            %10.0f\n", double(schritte) / sekunden);
    std::printf("peak memory after 10 000      %10.1f MiB   in use %6.1f MiB\n", frueh,
                fruehBelegt);
    std::printf("peak memory after %-11lld %10.1f MiB   in use %6.1f MiB\n",
                static_cast<long long>(schritte), speicherMiB("VmHWM:"), speicherMiB("VmRSS:"));
    return 0;
}

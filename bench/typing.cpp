// The cost of one evaluated keystroke: the whole course typed through the real main window
// (offscreen), once without a mistake and once with one wrong character in every tenth line.
// Each keystroke is timed from the key event to the return of its handling, evaluation and
// widget updates together.

#include "Fensterprobe.h"
#include "Tippen.h"
#include "lessons/Kurs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

struct Ergebnis
{
    qsizetype anschlaege;
    double medianMikros;
    double p99Mikros;
    double gesamtMillis;
};

Ergebnis kurs(bool mitFehlern)
{
    Hauptfensterprobe p;
    p.zeige();
    Eingabefeld *feld = p.feld();
    QList<qint64> zeiten;
    zeiten.reserve(25000);
    QElapsedTimer gesamt;
    gesamt.start();
    QElapsedTimer uhr;
    auto anschlag = [&](const QString &zeichen) {
        uhr.start();
        Tippen::zeichen(feld, zeichen);
        zeiten.append(uhr.nsecsElapsed());
    };
    int zeilen = 0;
    for (int lektion = 1; lektion <= Kurs::AnzahlLektionen; ++lektion) {
        p.lektion(lektion);
        for (int zeile = 1; zeile <= Kurs::ZeilenJeLektion; ++zeile) {
            const QString text = Kurs::zeile(lektion, zeile);
            const qsizetype fehlerBei = mitFehlern && ++zeilen % 10 == 0 ? text.size() / 2 : -1;
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (i == fehlerBei)
                    anschlag(QStringLiteral("\u00A4"));
                anschlag(text.mid(i, 1));
            }
        }
    }
    const double gesamtMillis = double(gesamt.nsecsElapsed()) / 1e6;
    std::sort(zeiten.begin(), zeiten.end());
    return {zeiten.size(), double(zeiten[zeiten.size() / 2]) / 1e3,
            double(zeiten[zeiten.size() * 99 / 100]) / 1e3, gesamtMillis};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    kurs(false); // warm up caches and fonts
    std::printf("typing (QT_QPA_PLATFORM=%s)\n", qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("%-30s %10s %12s %10s %10s\n", "course", "keystrokes", "median us", "p99 us",
                "total ms");
    for (const bool mitFehlern : {false, true}) {
        const Ergebnis e = kurs(mitFehlern);
        std::printf("%-30s %10lld %12.1f %10.1f %10.0f\n",
                    mitFehlern ? "wrong char every 10th line" : "all correct",
                    static_cast<long long>(e.anschlaege), e.medianMikros, e.p99Mikros,
                    e.gesamtMillis);
    }
    return 0;
}

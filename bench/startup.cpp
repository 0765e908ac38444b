// Start-up cost: process start to the first painted frame of the start window, "&Starten" to the
// first painted frame of the main window, and peak memory; beside the same figures for a bare
// window of the same size with a menu bar, the floor that no Qt program goes below.
//
//   startup [runs]            runs every case `runs` times in fresh processes, prints medians
//   startup --fall <name>     one measurement in this process (used by the above)

#include "Fakes.h"
#include "app/AStart.h"
#include "app/Programm.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// How long the learner looks at the start window before pressing "&Starten".
constexpr int LeseZeitMs = 400;

qint64 spitzenspeicherKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &zeile : status.readAll().split('\n')) {
        if (zeile.startsWith("VmHWM:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Calls `danach` once, right after the first paint event of `w` has been handled.
class ErsterFrame : public QObject
{
public:
    ErsterFrame(QWidget *w, std::function<void()> danach) : m_danach(std::move(danach))
    {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && m_danach) {
            o->removeEventFilter(this);
            auto danach = std::move(m_danach);
            QMetaObject::invokeMethod(
                this, [danach] { danach(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_danach;
};

void melde(qint64 nanos)
{
    std::printf("%lld %lld\n", static_cast<long long>(nanos),
                static_cast<long long>(spitzenspeicherKiB()));
    std::fflush(stdout);
}

int fall(const QString &name, int argc, char **argv)
{
    QElapsedTimer uhr;
    uhr.start();
    QApplication app(argc, argv);
    Programm::einrichten();
    Testumgebung u;

    auto bodenfenster = [](QSize groesse) {
        auto w = std::make_unique<QMainWindow>();
        w->menuBar()->addMenu(QStringLiteral("Programm"))->addAction(QStringLiteral("Beenden"));
        auto *c = new QWidget(w.get());
        c->setFixedSize(groesse);
        w->setCentralWidget(c);
        return w;
    };
    const bool boden = name.startsWith(QLatin1String("boden"));
    std::unique_ptr<QMainWindow> erstes = boden ? bodenfenster({635, 474}) : nullptr;
    std::unique_ptr<QMainWindow> zweites;
    AStart start(u.umgebung());
    QWidget *startfenster = boden ? static_cast<QWidget *>(erstes.get()) : &start;
    const bool nurStart = name.endsWith(QLatin1String("start"));

    std::unique_ptr<ErsterFrame> haupt;
    ErsterFrame f(startfenster, [&] {
        if (nurStart) {
            melde(uhr.nsecsElapsed());
            app.quit();
            return;
        }
        // A learner reads the start window before pressing "&Starten": the click comes a moment
        // after its first frame. From the click (or its bare equivalent) to the next window's
        // first frame.
        QTimer::singleShot(LeseZeitMs, &app, [&] {
            uhr.restart();
            auto gemalt = [&] {
                melde(uhr.nsecsElapsed());
                app.quit();
            };
            if (boden) {
                zweites = bodenfenster({869, 683});
                haupt = std::make_unique<ErsterFrame>(zweites.get(), gemalt);
                zweites->show();
                erstes->hide();
            } else {
                start.findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
                haupt = std::make_unique<ErsterFrame>(start.hauptfenster(), gemalt);
            }
        });
    });
    startfenster->show();
    return app.exec();
}

struct Messung
{
    double millis;
    double mib;
};

Messung median(QList<Messung> m)
{
    auto mitte = [&](auto feld) {
        std::sort(m.begin(), m.end(),
                  [&](const Messung &a, const Messung &b) { return a.*feld < b.*feld; });
        return m[m.size() / 2].*feld;
    };
    return {mitte(&Messung::millis), mitte(&Messung::mib)};
}

Messung miss(const QString &programm, const QString &name, int laeufe)
{
    QList<Messung> messungen;
    for (int i = 0; i < laeufe; ++i) {
        QProcess p;
        p.start(programm, {QStringLiteral("--fall"), name});
        p.waitForFinished(30000);
        const QList<QByteArray> teile = p.readAllStandardOutput().trimmed().split(' ');
        if (teile.size() != 2) {
            std::fprintf(stderr, "%s: no measurement\n", qPrintable(name));
            continue;
        }
        messungen.append(
            {double(teile[0].toLongLong()) / 1e6, double(teile[1].toLongLong()) / 1024.0});
    }
    return messungen.isEmpty() ? Messung{0, 0} : median(messungen);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--fall")
        return fall(QString::fromLocal8Bit(argv[2]), argc, argv);

    const int laeufe = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 7;
    const QString programm = QString::fromLocal8Bit(argv[0]);
    const Messung start = miss(programm, QStringLiteral("start"), laeufe);
    const Messung bodenStart = miss(programm, QStringLiteral("boden-start"), laeufe);
    const Messung haupt = miss(programm, QStringLiteral("haupt"), laeufe);
    const Messung bodenHaupt = miss(programm, QStringLiteral("boden-haupt"), laeufe);

    std::printf("startup (median of %d runs, QT_QPA_PLATFORM=%s)\n", laeufe,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("%-34s %9s %9s %8s %8s\n", "case", "ms", "floor ms", "MiB", "floor MiB");
    auto zeile = [](const char *name, Messung m, Messung b) {
        std::printf("%-34s %9.1f %9.1f %8.1f %8.1f   time %.2fx  memory %.2fx\n", name, m.millis,
                    b.millis, m.mib, b.mib, b.millis > 0 ? m.millis / b.millis : 0.0,
                    b.mib > 0 ? m.mib / b.mib : 0.0);
    };
    zeile("process start -> start window", start, bodenStart);
    zeile("\"&Starten\" -> main window", haupt, bodenHaupt);
    return 0;
}

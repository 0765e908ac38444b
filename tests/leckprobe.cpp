// A program that leaks on purpose, run by the sanitizer build: inside a timer slot, under Qt's
// event dispatch, it loses a 280-byte object of its own. LeakSanitizer must report it; if the
// suppressions ever hid it, the test that runs this program fails.

#include <QApplication>
#include <QTimer>
#include <cstring>

namespace {

struct Verloren
{
    char daten[280];
};

[[gnu::noinline]] void verliere()
{
    auto *verloren = new Verloren;
    std::memset(verloren->daten, 1, sizeof verloren->daten);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        verliere();
        QCoreApplication::quit();
    });
    return app.exec();
}

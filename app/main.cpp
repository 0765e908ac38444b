#include "app/AStart.h"
#include "app/Programm.h"
#include "help/QtHilfeanzeige.h"
#include "main_window/Umgebung.h"
#include "util/DesktopWebbrowser.h"
#include "util/QtMeldungen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fingalo"));
    QApplication::setApplicationVersion(QStringLiteral(FINGALO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.fingalo.Fingalo"));
    Programm::einrichten();

    QtMeldungen meldungen;
    DesktopWebbrowser browser;
    QtHilfeanzeige hilfe;
    Umgebung umgebung{meldungen, browser, hilfe, [] { QCoreApplication::exit(0); }};

    AStart start(umgebung);
    start.show();
    return app.exec();
}

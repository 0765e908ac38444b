#include "app/AStart.h"
#include "app/Umgebung.h"
#include "help/QtHilfeanzeige.h"
#include "util/DesktopWebbrowser.h"
#include "util/QtMeldungen.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fingalo"));
    QApplication::setApplicationDisplayName(QStringLiteral("10-Finger Fingalo"));
    QApplication::setApplicationVersion(QStringLiteral(FINGALO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.fingalo.Fingalo"));
    // The windows are laid out to the pixel; one style keeps them looking the same everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    QtMeldungen meldungen;
    DesktopWebbrowser browser;
    QtHilfeanzeige hilfe;
    Umgebung umgebung{meldungen, browser, hilfe, [] { QCoreApplication::exit(0); }};

    AStart start(umgebung);
    start.show();
    return app.exec();
}

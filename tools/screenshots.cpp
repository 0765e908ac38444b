// Renders the README's pictures from the real windows, offscreen: the start window, the main
// window at start, a lesson in progress, the finger guide and the help picture.
//
//   screenshots <folder>

#include "Fensterprobe.h"
#include "Tippen.h"
#include "app/AStart.h"
#include "help/HilfeFenster.h"
#include "lessons/Kurs.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

namespace {

void speichere(QWidget &w, const QString &datei)
{
    w.grab().save(datei);
    std::printf("%s\n", qPrintable(datei));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString ordner = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(ordner);

    Startfensterprobe start;
    start.zeige();
    speichere(start.fenster(), ordner + QStringLiteral("/startfenster.png"));

    Hauptfensterprobe haupt;
    haupt.zeige();
    speichere(haupt.fenster(), ordner + QStringLiteral("/hauptfenster.png"));

    haupt.lektion(7);
    Tippen::text(haupt.feld(), Kurs::zeile(7, 1));
    Tippen::text(haupt.feld(), Kurs::zeile(7, 2));
    Tippen::text(haupt.feld(), Kurs::zeile(7, 3).left(17));
    speichere(haupt.fenster(), ordner + QStringLiteral("/lektion.png"));

    haupt.ctrl<QAbstractButton>(QStringLiteral("Finger_7"))->click();
    speichere(haupt.fenster(), ordner + QStringLiteral("/fingerfuehrung.png"));

    HilfeFenster hilfe(2);
    hilfe.resize(900, 640);
    hilfe.show();
    speichere(hilfe, ordner + QStringLiteral("/finger_im_bild.png"));
    return 0;
}

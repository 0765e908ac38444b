// Renders the README's pictures from the real windows, offscreen: the start window, the main
// window at start, a lesson in progress, the finger guide and the help picture.
//
//   screenshots <folder>

#include "Fakes.h"
#include "Tippen.h"
#include "app/AStart.h"
#include "help/HilfeFenster.h"
#include "lessons/Lektionstexte.h"
#include "main_window/Eingabefeld.h"
#include "main_window/tippen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
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
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    const QString ordner = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(ordner);
    Testumgebung u;

    AStart start(u.umgebung());
    start.show();
    speichere(start, ordner + QStringLiteral("/startfenster.png"));

    tippen f(u.umgebung());
    f.Show();
    speichere(f, ordner + QStringLiteral("/hauptfenster.png"));

    f.Lektion1[6]->trigger();
    Tippen::text(f.FELD, Lektionstexte::zeile(7, 1));
    Tippen::text(f.FELD, Lektionstexte::zeile(7, 2));
    Tippen::text(f.FELD, Lektionstexte::zeile(7, 3).left(17));
    speichere(f, ordner + QStringLiteral("/lektion.png"));

    f.Finger_Click(7);
    speichere(f, ordner + QStringLiteral("/fingerfuehrung.png"));

    HilfeFenster hilfe(2);
    hilfe.resize(900, 640);
    hilfe.show();
    speichere(hilfe, ordner + QStringLiteral("/finger_im_bild.png"));
    return 0;
}

// Renders an SVG into a square PNG of the given size, for the icon sizes a desktop expects.
//
//   svg2png <in.svg> <out.png> <size>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: svg2png <in.svg> <out.png> <size>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer bild(QString::fromLocal8Bit(argv[1]));
    const int groesse = QByteArray(argv[3]).toInt();
    if (!bild.isValid() || groesse <= 0)
        return 1;
    QImage png(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    png.fill(Qt::transparent);
    QPainter p(&png);
    p.setRenderHint(QPainter::Antialiasing);
    bild.render(&p, QRectF(0, 0, groesse, groesse));
    p.end();
    return png.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}

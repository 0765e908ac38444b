// Both windows on a high-resolution screen: the layout keeps its logical size and every picture,
// pointer, glyph and icon is drawn from its vector source at the screen's pixel ratio.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "app/AStart.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>
#include <cmath>

namespace {

// How much fine detail a picture holds: the share of neighbouring pixels that differ. A picture
// scaled up from a smaller bitmap shows runs of equal pixels and scores low.
double feinheit(const QImage &bild)
{
    qint64 verschieden = 0;
    qint64 gesamt = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 1; x < bild.width(); ++x) {
            verschieden += bild.pixel(x, y) != bild.pixel(x - 1, y);
            ++gesamt;
        }
    }
    return gesamt ? double(verschieden) / double(gesamt) : 0.0;
}

// The part of a window grab that shows `w`, in device pixels.
QImage ausschnitt(const QImage &grab, QWidget *fenster, QWidget *w)
{
    const qreal v = grab.devicePixelRatio();
    const QRect r(w->mapTo(fenster, QPoint(0, 0)), w->size());
    return grab.copy(QRect(QPoint(qRound(r.x() * v), qRound(r.y() * v)), r.size() * v));
}

} // namespace

class TstHochaufloesung : public QObject
{
    Q_OBJECT

    qreal verhaeltnis = 1.0;

private Q_SLOTS:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), Sollwerte::Schriftart);
        verhaeltnis = qApp->devicePixelRatio();
        QVERIFY2(verhaeltnis > 1.0, "runs with QT_SCALE_FACTOR above 1");
    }

    void fensterBehaltenIhreGroesse()
    {
        Startfensterprobe start;
        start.zeige();
        const QImage s = start.fenster().grab().toImage();
        QCOMPARE(s.devicePixelRatio(), verhaeltnis);
        const QSize startGross = Sollwerte::Startfenstergroesse;
        QCOMPARE(s.size(), QSize(qRound(startGross.width() * verhaeltnis),
                                 qRound(startGross.height() * verhaeltnis)));

        Hauptfensterprobe haupt;
        haupt.zeige();
        QWidget *client = haupt.client();
        const QSize gross = Sollwerte::Hauptfenstergroesse;
        QCOMPARE(client->size(), gross);
        for (const Sollwerte::TastenPlatz &t : Sollwerte::tastatur())
            QCOMPARE(haupt.platz(t.name), t.platz);
        const QImage h = client->grab().toImage();
        QCOMPARE(h.size(),
                 QSize(qRound(gross.width() * verhaeltnis), qRound(gross.height() * verhaeltnis)));
    }

    // The pictures in the grab equal their vector sources rendered at full resolution, and hold
    // finer detail than the same source rendered at 1× and scaled up.
    void bilderScharf()
    {
        Startfensterprobe start;
        start.zeige();
        Hauptfensterprobe haupt;
        haupt.zeige();
        struct Fall
        {
            QWidget *fenster;
            QWidget *bild;
            const char *quelle;
        };
        const Fall faelle[] = {
            {&start.fenster(), start.ctrl(QStringLiteral("Image2")), ":/bilder/titelbild.svg"},
            {haupt.client(), haupt.ctrl(QStringLiteral("Image1")), ":/bilder/haende.svg"},
        };
        for (const Fall &f : faelle) {
            const QImage grab = f.fenster->grab().toImage();
            const QImage teil = ausschnitt(grab, f.fenster, f.bild);
            QSvgRenderer quelle{QString::fromLatin1(f.quelle)};
            QImage klein(quelle.defaultSize(), QImage::Format_ARGB32_Premultiplied);
            klein.fill(Qt::transparent);
            {
                QPainter p(&klein);
                quelle.render(&p);
            }
            const QImage hochgezogen =
                klein.scaled(teil.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY2(feinheit(teil) > feinheit(hochgezogen) * 1.05,
                     qPrintable(QStringLiteral("%1: %2 vs %3")
                                    .arg(QString::fromLatin1(f.quelle))
                                    .arg(feinheit(teil))
                                    .arg(feinheit(hochgezogen))));
        }
    }

    void zeigerUndGlyphenInVollerAufloesung()
    {
        Hauptfensterprobe haupt;
        const QPixmap zeiger = haupt.client()->cursor().pixmap();
        QCOMPARE(zeiger.devicePixelRatio(), verhaeltnis);
        QCOMPARE(zeiger.width(), qRound(Sollwerte::Zeigergroesse.width() * verhaeltnis));

        for (const char *name : {"Rücktaste", "TabTaste", "Command4", "ShiftTaste_1", "Command3"}) {
            auto *k = haupt.ctrl<QAbstractButton>(QString::fromUtf8(name));
            const QPixmap glyphe = k->icon().pixmap(k->iconSize(), verhaeltnis);
            const QSize erwartet = k->iconSize() * verhaeltnis;
            QVERIFY(qAbs(glyphe.width() - erwartet.width()) <= 1 &&
                    qAbs(glyphe.height() - erwartet.height()) <= 1);
        }
        const QSize gross = Sollwerte::Fenstersymbol;
        const QPixmap symbol = haupt.fenster().windowIcon().pixmap(gross, verhaeltnis);
        QCOMPARE(symbol.size(), gross * verhaeltnis);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstHochaufloesung test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hochaufloesung.moc"

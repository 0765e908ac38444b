// Placing windows, the sunken client edge and handing addresses to the browser.

#include "Fakes.h"
#include "util/Bildschirmzeiger.h"
#include "util/BrowserAufrufen.h"
#include "util/DickerRand.h"
#include "util/Zentriere.h"

#include <QFrame>
#include <QMainWindow>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

class TstFensterwerkzeuge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platzierung_data()
    {
        QTest::addColumn<QRect>("fenster");
        QTest::addColumn<QSize>("schirm");
        QTest::addColumn<int>("code");
        QTest::addColumn<QPoint>("erwartet");

        // The main window's outer frame (869 × 683 client, 4 px border, 4 px frame, menu bar).
        const QRect haupt(100, 50, 881, 715);
        const QSize xga(1024, 768);
        QTest::newRow("links") << haupt << xga << 0 << QPoint(0, 27);
        QTest::newRow("rechts") << haupt << xga << 1 << QPoint(143, 27);
        QTest::newRow("oben") << haupt << xga << 2 << QPoint(72, 0);
        QTest::newRow("unten") << haupt << xga << 3 << QPoint(72, 53);
        QTest::newRow("mitte") << haupt << xga << 4 << QPoint(72, 27);
        // Halves of odd sizes are kept until the end, not cut on the way.
        QTest::newRow("ungerade") << QRect(0, 0, 301, 201) << QSize(800, 600) << 4
                                  << QPoint(250, 200);
        QTest::newRow("zu gross") << QRect(0, 0, 1200, 900) << xga << 4 << QPoint(-88, -66);
        QTest::newRow("zu breit rechts") << QRect(0, 0, 1200, 100) << xga << 1 << QPoint(-176, 334);
    }

    void platzierung()
    {
        QFETCH(QRect, fenster);
        QFETCH(QSize, schirm);
        QFETCH(int, code);
        QFETCH(QPoint, erwartet);
        const std::optional<QPoint> ziel = zentriertePosition(fenster, schirm, code);
        QVERIFY(ziel);
        QCOMPARE(*ziel, erwartet);
    }

    void zentriertMitGleichenAbstaenden()
    {
        const QSize schirm(1024, 768);
        const QRect rahmen(0, 0, 869 + 12, 683 + 40);
        const QPoint p = *zentriertePosition(rahmen, schirm, 4);
        const int links = p.x();
        const int rechts = schirm.width() - (p.x() + rahmen.width());
        const int oben = p.y();
        const int unten = schirm.height() - (p.y() + rahmen.height());
        QVERIFY(qAbs(links - rechts) <= 1);
        QVERIFY(qAbs(oben - unten) <= 1);
    }

    void unbekannteCodesBewegenNichts()
    {
        for (int code : {5, -1, 11, std::numeric_limits<qint32>::min()})
            QVERIFY(!zentriertePosition(QRect(10, 10, 100, 100), QSize(800, 600), code));

        QWidget fenster;
        fenster.setGeometry(37, 41, 200, 100);
        for (int code : {5, -1}) {
            Zentriere(&fenster, code);
            QCOMPARE(fenster.pos(), QPoint(37, 41));
        }
    }

    void echtesFensterAufDemBildschirm()
    {
        QWidget fenster;
        fenster.resize(300, 200);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QSize schirm = QGuiApplication::primaryScreen()->geometry().size();
        Zentriere(&fenster, 4);
        const QRect r = fenster.frameGeometry();
        QVERIFY(qAbs(r.left() - (schirm.width() - r.right() - 1)) <= 1);
        QVERIFY(qAbs(r.top() - (schirm.height() - r.bottom() - 1)) <= 1);
        Zentriere(&fenster, 1);
        QCOMPARE(fenster.frameGeometry().right(), schirm.width() - 1);
        Zentriere(&fenster, 3);
        QCOMPARE(fenster.frameGeometry().bottom(), schirm.height() - 1);
        Zentriere(&fenster, 0);
        QCOMPARE(fenster.frameGeometry().left(), 0);
    }

    void dickerRandEinmalWieZweimal()
    {
        QMainWindow fenster;
        auto *rand = new QFrame(&fenster);
        auto *anordnung = new QVBoxLayout(rand);
        anordnung->setContentsMargins(0, 0, 0, 0);
        auto *client = new QWidget(rand);
        client->setFixedSize(300, 200);
        anordnung->addWidget(client);
        fenster.setCentralWidget(rand);
        fenster.layout()->setSizeConstraint(QLayout::SetFixedSize);
        fenster.layout()->activate();
        fenster.move(100, 100);
        const QPoint mitte = fenster.frameGeometry().center();
        DickerRand(&fenster);
        // The client area keeps its size and the window its centre.
        QCOMPARE(client->size(), QSize(300, 200));
        QVERIFY((fenster.frameGeometry().center() - mitte).manhattanLength() <= 1);
        QCOMPARE(rand->frameShape(), QFrame::Panel);
        QCOMPARE(rand->frameShadow(), QFrame::Sunken);
        const int breite = rand->frameWidth();
        QVERIFY(breite > 0);
        DickerRand(&fenster);
        QCOMPARE(rand->frameWidth(), breite);
        QCOMPARE(rand->frameShadow(), QFrame::Sunken);

        // Anything but a main window with a frame is left alone.
        QWidget einfach;
        DickerRand(&einfach);
        DickerRand(nullptr);
    }

    void browserMitSanduhr_data()
    {
        QTest::addColumn<bool>("gelingt");
        QTest::newRow("geoeffnet") << true;
        QTest::newRow("kein Programm") << false;
    }

    void browserMitSanduhr()
    {
        QFETCH(bool, gelingt);
        Testumgebung u;
        u.browser.gelingt = gelingt;
        BrowserAufrufen(QStringLiteral("https://fingalo.example.org/"), u.browser);
        QCOMPARE(u.browser.aufrufe.size(), 1);
        QCOMPARE(u.browser.aufrufe[0].adresse,
                 QUrl(QStringLiteral("https://fingalo.example.org/")));
        QCOMPARE(u.browser.aufrufe[0].zeigerWaehrenddessen, std::optional(Qt::WaitCursor));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(u.meldungen.eintraege.isEmpty());
    }

    void bildschirmzeigerStapeltNicht()
    {
        setzeBildschirmzeiger(11);
        setzeBildschirmzeiger(11);
        QCOMPARE(bildschirmzeiger(), 11);
        setzeBildschirmzeiger(0);
        QVERIFY(!QGuiApplication::overrideCursor());
        // A pointer someone else left over is cleared as well.
        QGuiApplication::setOverrideCursor(Qt::CrossCursor);
        QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
        setzeBildschirmzeiger(0);
        QVERIFY(!QGuiApplication::overrideCursor());
        setzeBildschirmzeiger(7);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(TstFensterwerkzeuge)
#include "tst_fensterwerkzeuge.moc"

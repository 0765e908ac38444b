// Placing windows, the sunken client edge, handing addresses to the browser, and the drawn
// buttons and pictures the windows are built from.

#include "Bildpruefung.h"
#include "Fakes.h"
#include "Sollwerte.h"
#include "app/Programm.h"
#include "util/Anwendung.h"
#include "util/Bildschirmzeiger.h"
#include "util/BrowserAufrufen.h"
#include "util/DesktopWebbrowser.h"
#include "util/DickerRand.h"
#include "util/Knopf.h"
#include "util/Mauszeiger.h"
#include "util/SvgBild.h"
#include "util/Zentriere.h"

#include <QDesktopServices>
#include <QFrame>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QtTest>

// Stands in for the desktop's web browser: the addresses the desktop would have opened.
class Empfaenger : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> geoeffnet;

public Q_SLOTS:
    void oeffnen(const QUrl &adresse) { geoeffnet << adresse; }
};

// Counts the paint events a widget gets.
class Malzaehler : public QObject
{
public:
    int anzahl = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        anzahl += event->type() == QEvent::Paint;
        return false;
    }
};

// A window of one loud colour to put a control on, so that what it leaves undrawn shows.
class Buehne : public QWidget
{
public:
    static constexpr QColor Grund = QColor(255, 0, 255);
    explicit Buehne(QSize groesse)
    {
        setAutoFillBackground(true);
        QPalette farben = palette();
        farben.setColor(QPalette::Window, Grund);
        setPalette(farben);
        resize(groesse);
    }
    bool zeige()
    {
        show();
        return QTest::qWaitForWindowExposed(this);
    }
};

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

    // On a real window: unknown codes and no window leave everything where it is; a known code
    // places the outer frame on the screen, here against the right edge.
    void echtesFenster()
    {
        for (int code : {5, -1, 11, std::numeric_limits<qint32>::min()})
            QVERIFY(!zentriertePosition(QRect(10, 10, 100, 100), QSize(800, 600), code));
        Zentriere(nullptr, 1);
        QWidget fenster;
        fenster.setGeometry(37, 41, 300, 200);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QPoint vorher = fenster.pos();
        for (int code : {5, -1}) {
            Zentriere(&fenster, code);
            QCOMPARE(fenster.pos(), vorher);
        }
        const QSize schirm = QGuiApplication::primaryScreen()->geometry().size();
        Zentriere(&fenster, 1);
        const QRect r = fenster.frameGeometry();
        QCOMPARE(r.right(), schirm.width() - 1);
        QVERIFY(qAbs(r.top() - (schirm.height() - r.bottom() - 1)) <= 1);
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

    // The real browser hand-off gives web pages to the desktop and nothing else.
    void desktopOeffnetNurWebseiten()
    {
        Empfaenger desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop, "oeffnen");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &desktop, "oeffnen");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "oeffnen");
        QDesktopServices::setUrlHandler(QStringLiteral("ftp"), &desktop, "oeffnen");
        DesktopWebbrowser browser;
        QVERIFY(browser.oeffne(QUrl(QStringLiteral("https://fingalo.example.org/"))));
        QVERIFY(browser.oeffne(QUrl(QStringLiteral("http://www.example.org/a"))));
        QVERIFY(!browser.oeffne(QUrl(QStringLiteral("file:///etc/passwd"))));
        QVERIFY(!browser.oeffne(QUrl(QStringLiteral("ftp://example.org/"))));
        QVERIFY(!browser.oeffne(QUrl()));
        QCOMPARE(desktop.geoeffnet,
                 (QList<QUrl>{QUrl(QStringLiteral("https://fingalo.example.org/")),
                              QUrl(QStringLiteral("http://www.example.org/a"))}));
        for (const char *art : {"https", "http", "file", "ftp"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(art));
    }

    // A key shows its colour with rounded corners through which the window shows; held down it
    // turns darker, and a key disabled while held is let go.
    void knopfGezeichnet()
    {
        Buehne grund(QSize(140, 60));
        const QColor blau(160, 200, 240);
        auto *knopf = new Knopf(blau, &grund);
        knopf->setGeometry(10, 10, 120, 40);
        QVERIFY(grund.zeige());

        const auto nahe = [&](QPoint ort, QColor farbe) {
            const QColor c = grund.grab().toImage().pixelColor(QPoint(10, 10) + ort);
            return qAbs(c.red() - farbe.red()) + qAbs(c.green() - farbe.green()) +
                       qAbs(c.blue() - farbe.blue()) <=
                   24;
        };
        const QPoint ecke(0, 0);
        const QPoint innen(8, 20);
        QVERIFY(nahe(ecke, Buehne::Grund));
        QVERIFY(nahe(innen, blau));
        knopf->setDown(true);
        QVERIFY(nahe(innen, blau.darker(115)));
        QVERIFY(!nahe(innen, blau));
        QVERIFY(nahe(ecke, Buehne::Grund));
        knopf->setEnabled(false);
        QVERIFY(!knopf->isDown());
        QVERIFY(nahe(innen, blau));

        // A key learned gets a bold font: the window draws it anew at once.
        Malzaehler zaehler;
        knopf->installEventFilter(&zaehler);
        QTest::qWait(20);
        const int vorher = zaehler.anzahl;
        QFont fett = knopf->font();
        fett.setBold(true);
        knopf->setFont(fett);
        QTRY_VERIFY(zaehler.anzahl > vorher);
    }

    // A key with the focus shows it by a frame 4 px inside its edge, clear of the rounded
    // corners.
    void knopfFokusrahmen()
    {
        Buehne grund(QSize(140, 60));
        auto *knopf = new Knopf(QColor(160, 200, 240), &grund);
        knopf->setGeometry(10, 10, 120, 40);
        knopf->setFocusPolicy(Qt::StrongFocus);
        QVERIFY(grund.zeige());
        knopf->clearFocus();
        const QImage ohne = knopf->grab().toImage();
        QTest::keyClick(&grund, Qt::Key_Tab); // the frame shows once the keyboard moved the focus
        QTRY_VERIFY(knopf->hasFocus());
        const QImage mit = knopf->grab().toImage();
        QRect geaendert;
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x)
                if (mit.pixel(x, y) != ohne.pixel(x, y))
                    geaendert |= QRect(x, y, 1, 1);
        const qreal dpr = mit.devicePixelRatio();
        const QRect rahmen(QPoint(int(geaendert.left() / dpr), int(geaendert.top() / dpr)),
                           QPoint(int(geaendert.right() / dpr), int(geaendert.bottom() / dpr)));
        QCOMPARE(rahmen, QRect(4, 4, 112, 32));
    }

    // The hand pointers show only the hand. A pointing hand clicks with its fingertip: the
    // hot spot is the most solid pixel of the topmost row drawn; the open hand grips with its
    // palm.
    void zeiger_data()
    {
        QTest::addColumn<QCursor>("zeiger");
        QTest::addColumn<QPoint>("heiss");
        QTest::addColumn<bool>("zeigend");
        QTest::newRow("zeigende Hand") << Mauszeiger::zeigeHand() << QPoint(11, 1) << true;
        QTest::newRow("am Start") << Mauszeiger::zeigeHandStart() << QPoint(11, 1) << true;
        QTest::newRow("offene Hand") << Mauszeiger::offeneHand() << QPoint(16, 14) << false;
    }
    void zeiger()
    {
        QFETCH(QCursor, zeiger);
        QFETCH(QPoint, heiss);
        QFETCH(bool, zeigend);
        QCOMPARE(zeiger.hotSpot(), heiss);
        const QImage bild = zeiger.pixmap().toImage();
        const int rand = bild.width() - 1;
        for (const QPoint ecke :
             {QPoint(0, 0), QPoint(rand, 0), QPoint(0, rand), QPoint(rand, rand)})
            QCOMPARE(bild.pixelColor(ecke).alpha(), 0);

        const qreal dpr = zeiger.pixmap().devicePixelRatio();
        const auto deckung = [&](int x, int y) {
            return bild.pixelColor((QPointF(x, y) * dpr).toPoint()).alpha();
        };
        if (!zeigend) {
            QCOMPARE(deckung(heiss.x(), heiss.y()), 255);
            return;
        }
        int oben = 0;
        while (oben < 32 && [&] {
            for (int x = 0; x < 32; ++x)
                if (deckung(x, oben) > 0)
                    return false;
            return true;
        }())
            ++oben;
        QCOMPARE(oben, heiss.y());
        for (int x = 0; x < 32; ++x)
            QVERIFY2(deckung(x, oben) < deckung(heiss.x(), oben) || x == heiss.x(),
                     qPrintable(QString::number(x)));
    }

    // A picture is drawn over what lies under it, which shows through where the picture is
    // empty and still gets the clicks.
    void bildDurchsichtig()
    {
        Buehne grund(QSize(222, 153));
        auto *darunter = new QPushButton(&grund);
        darunter->setGeometry(0, 0, 30, 30);
        auto *bild = new SvgBild(QStringLiteral(":/bilder/haende.svg"), &grund);
        bild->setGeometry(10, 10, 202, 133);
        QVERIFY(grund.zeige());

        // Between and around the hands the window shows; the hands cover a good part.
        const int frei =
            Bildpruefung::anzahl(grund.grab().toImage(), bild->geometry(), Buehne::Grund);
        const int alle = bild->width() * bild->height();
        QVERIFY2(frei > alle / 10 && frei < alle * 3 / 4, qPrintable(QString::number(frei)));

        QSignalSpy geklickt(darunter, &QPushButton::clicked);
        QTest::mouseClick(grund.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(geklickt.size(), 1);
    }

    // Whatever style the desktop prefers, the windows are drawn in one style (Fusion), and the
    // design's "MS Sans Serif" comes out as Arial does.
    void einrichtungUnabhaengigVomDesktop()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        Programm::einrichten();
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        QFont schrift(QStringLiteral("MS Sans Serif"));
        QCOMPARE(QFontInfo(schrift).family(), Sollwerte::Schriftart);
    }

    // The application's pointer by its codes: 0 the standard, 11 the hourglass, which does not
    // stack when set twice; a pointer someone else left over counts as none and is cleared too.
    void bildschirmzeiger()
    {
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(::bildschirmzeiger(), 0);
        setzeBildschirmzeiger(11);
        setzeBildschirmzeiger(11);
        QCOMPARE(::bildschirmzeiger(), 11);
        setzeBildschirmzeiger(0);
        QVERIFY(!QGuiApplication::overrideCursor());
        QGuiApplication::setOverrideCursor(Qt::CrossCursor);
        QCOMPARE(::bildschirmzeiger(), 0);
        QGuiApplication::setOverrideCursor(Qt::IBeamCursor);
        setzeBildschirmzeiger(0);
        QVERIFY(!QGuiApplication::overrideCursor());
        setzeBildschirmzeiger(7);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(TstFensterwerkzeuge)
#include "tst_fensterwerkzeuge.moc"

// The start window: its design, its load handler, and the two ways out of it.

#include "Fakes.h"
#include "app/AStart.h"
#include "main_window/Eingabefeld.h"
#include "main_window/Knopf.h"
#include "main_window/tippen.h"
#include "util/Formelement.h"
#include "util/SvgBild.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

class TstStartfenster : public QObject
{
    Q_OBJECT

    std::unique_ptr<Testumgebung> u;
    std::unique_ptr<AStart> start;

    QWidget *ctrl(const char *name)
    {
        auto *w = start->findChild<QWidget *>(QString::fromUtf8(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
    }

    void init()
    {
        u = std::make_unique<Testumgebung>();
        start = std::make_unique<AStart>(u->umgebung());
    }

    void cleanup()
    {
        start.reset();
        u.reset();
    }

    void entwurf_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QRect>("platz");
        QTest::addColumn<qreal>("punkte");
        QTest::addColumn<QRgb>("textfarbe"); // 0: the system's button text
        QTest::newRow("Label4") << QByteArray("Label4") << QRect(56, 24, 537, 73) << 12.0
                                << bgrWert(0x000000FF);
        QTest::newRow("Label1") << QByteArray("Label1") << QRect(8, 80, 201, 145) << 8.25
                                << QRgb(0);
        QTest::newRow("Label5") << QByteArray("Label5") << QRect(8, 208, 201, 177) << 8.25
                                << QRgb(0);
        QTest::newRow("Label6") << QByteArray("Label6") << QRect(0, 376, 633, 25) << 9.75
                                << bgrWert(0x003E6280);
        QTest::newRow("Label2") << QByteArray("Label2") << QRect(0, 392, 633, 25) << 14.25
                                << bgrWert(0x00FF0000);
    }

    void entwurf()
    {
        QFETCH(QByteArray, name);
        QFETCH(QRect, platz);
        QFETCH(qreal, punkte);
        QFETCH(QRgb, textfarbe);
        auto *l = qobject_cast<QLabel *>(ctrl(name.constData()));
        QVERIFY(l);
        QCOMPARE(l->geometry(), platz);
        QCOMPARE(l->font().pointSizeF(), punkte);
        QVERIFY(l->font().bold());
        QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(l->alignment() & Qt::AlignHCenter);
        QVERIFY(!l->autoFillBackground());
        QVERIFY(!l->text().isEmpty());
        const QColor erwartet =
            textfarbe ? QColor(textfarbe) : start->palette().color(QPalette::ButtonText);
        QCOMPARE(l->palette().color(QPalette::WindowText), erwartet);
    }

    void fensterUndKnoepfe()
    {
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start.get()));
        QCOMPARE(start->size(), QSize(635, 474));
        QCOMPARE(start->minimumSize(), start->maximumSize());
        QVERIFY(start->windowTitle().isEmpty());
        QVERIFY(!start->windowIcon().isNull());
        QCOMPARE(start->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(start->palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xC0));

        const QImage bild = start->grab().toImage();
        QCOMPARE(bild.pixelColor(4, 470).rgb(), qRgb(0xF2, 0xEC, 0xD5)); // window between the rules
        QCOMPARE(bild.pixelColor(300, 3).rgb(), qRgb(0x00, 0x00, 0x80)); // top rule
        QCOMPARE(bild.pixelColor(2, 418).rgb(), qRgb(0x00, 0x00, 0x80)); // rule above the buttons
        QCOMPARE(bild.pixelColor(300, 466).rgb(), qRgb(0x00, 0x00, 0x80)); // rule below them
        QCOMPARE(bild.pixelColor(0, 4).rgb(), qRgb(0xF2, 0xEC, 0xD5)); // first rule starts at x 1

        struct Knopfwerte
        {
            const char *name;
            QRect platz;
            const char *text;
            const char *tipp;
        };
        const Knopfwerte knoepfe[] = {
            {"Command1", {240, 424, 161, 33}, "&Starten", "  PROGRAMMSTART  "},
            {"Command2", {472, 424, 153, 33}, "&Verlassen", "  Programm nicht starten  "},
        };
        for (const Knopfwerte &k : knoepfe) {
            auto *knopf = qobject_cast<Knopf *>(ctrl(k.name));
            QVERIFY(knopf);
            QCOMPARE(knopf->geometry(), k.platz);
            QCOMPARE(knopf->text(), QString::fromUtf8(k.text));
            QCOMPARE(knopf->toolTip(), QString::fromUtf8(k.tipp));
            QCOMPARE(knopf->font().pointSizeF(), 14.25);
            QVERIFY(knopf->font().bold());
            QCOMPARE(knopf->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(bild.pixelColor(knopf->geometry().topLeft() + QPoint(6, 4)).rgb(),
                     qRgb(0x80, 0x80, 0xFF));
        }
        QVERIFY(start->Command1->hasFocus());
        QCOMPARE(start->Command1->nextInFocusChain(), start->Command2);

        auto *titel = qobject_cast<SvgBild *>(ctrl("Image2"));
        QVERIFY(titel && titel->istGueltig());
        QCOMPARE(titel->geometry(), QRect(216, 80, 401, 287));
        QCOMPARE(titel->sizeHint(), QSize(401, 287));
        const QRect linien[] = {{1, 2, 633, 4}, {0, 464, 633, 4}, {-8, 416, 641, 4}};
        for (int i = 0; i <= 2; ++i)
            QCOMPARE(start->Shape1[i]->geometry(), linien[i]);
    }

    void ladenSetztTitelUndZentriert()
    {
        QCOMPARE(start->Label2->text(), QStringLiteral("Version"));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        start->show();
        QCOMPARE(start->Label2->text(), QStringLiteral("10-Finger Fingalo 3"));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(QTest::qWaitForWindowExposed(start.get()));
        const QSize schirm = QGuiApplication::primaryScreen()->geometry().size();
        const QRect r = start->frameGeometry();
        QVERIFY(qAbs(r.left() - (schirm.width() - r.right() - 1)) <= 1);
        QVERIFY(qAbs(r.top() - (schirm.height() - r.bottom() - 1)) <= 1);
    }

    void startenOeffnetDasHauptfenster()
    {
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start.get()));
        QVERIFY(!start->hauptfenster());
        start->Command1->click();
        tippen *haupt = start->hauptfenster();
        QVERIFY(haupt);
        QVERIFY(haupt->isVisible());
        QVERIFY(!start->isVisible());
        QCOMPARE(haupt->FELD->text(), QStringLiteral(" Lektion auswählen"));
        const QSize schirm = QGuiApplication::primaryScreen()->geometry().size();
        const QRect r = haupt->frameGeometry();
        QVERIFY(qAbs(r.left() - (schirm.width() - r.right() - 1)) <= 1);
        QCOMPARE(u->beendet, 0);
    }

    void tastaturkuerzel_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("modifikator");
        QTest::addColumn<bool>("startet");
        QTest::newRow("Alt+S") << int(Qt::Key_S) << int(Qt::AltModifier) << true;
        QTest::newRow("Alt+V") << int(Qt::Key_V) << int(Qt::AltModifier) << false;
        QTest::newRow("Eingabe") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("Leertaste") << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    }

    void tastaturkuerzel()
    {
        QFETCH(int, taste);
        QFETCH(int, modifikator);
        QFETCH(bool, startet);
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start.get()));
        start->activateWindow();
        QTRY_VERIFY(start->Command1->hasFocus());
        QTest::keyClick(start->Command1, Qt::Key(taste), Qt::KeyboardModifiers(modifikator));
        if (startet) {
            QTRY_VERIFY(start->hauptfenster());
            QTRY_VERIFY(!start->isVisible());
            QCOMPARE(u->beendet, 0);
        } else {
            QTRY_COMPARE(u->beendet, 1);
            QVERIFY(!start->hauptfenster());
        }
    }

private:
    static QRgb bgrWert(quint32 w)
    {
        return qRgb(int(w & 0xFF), int((w >> 8) & 0xFF), int((w >> 16) & 0xFF));
    }
};

QTEST_MAIN(TstStartfenster)
#include "tst_startfenster.moc"

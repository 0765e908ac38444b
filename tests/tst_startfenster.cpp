// The start window: its design as drawn, its load handler, and the two ways out of it.

#include "Bildpruefung.h"
#include "Fensterprobe.h"
#include "Sollwerte.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>

using Sollwerte::bgr;
using namespace Qt::StringLiterals;

namespace {

constexpr quint32 Fensterfarbe = 0x00D5ECF2;
constexpr quint32 Knopftext = 0x80000012; // the system's button text
constexpr quint32 Marineblau = 0x00800000;

struct Beschriftung
{
    const char *name;
    QRect platz;
    int textVon, textBis; // rows where no other control stands, so only this text is drawn
    quint32 schrift;
    qreal punkte;
};

// clang-format off
const Beschriftung Beschriftungen[] = {
    {"Label4", {56, 24, 537, 73}, 24, 79, 0x000000FF, 12},
    {"Label1", {8, 80, 201, 145}, 80, 207, Knopftext, 8.25},
    {"Label5", {8, 208, 201, 177}, 225, 375, Knopftext, 8.25},
    {"Label6", {0, 376, 633, 25}, 376, 391, 0x003E6280, 9.75},
    {"Label2", {0, 392, 633, 25}, 392, 415, 0x00FF0000, 14.25},
};
// clang-format on

QColor farbe(quint32 wert)
{
    return wert == Knopftext ? QApplication::palette().color(QPalette::ButtonText) : bgr(wert);
}

bool mittig(const QPoint &p, const QSize &gross, const QSize &schirm)
{
    return qAbs(p.x() - (schirm.width() - gross.width() - p.x())) <= 1 &&
           qAbs(p.y() - (schirm.height() - gross.height() - p.y())) <= 1;
}

QWidget *hauptfenster()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("tippen") && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

class TstStartfenster : public QObject
{
    Q_OBJECT

    std::unique_ptr<Startfensterprobe> p;

private Q_SLOTS:
    void init() { p = std::make_unique<Startfensterprobe>(); }
    void cleanup() { p.reset(); }

    void fenster()
    {
        p->zeige();
        QWidget *start = p->ctrl(QStringLiteral("Command1"))->window();
        QCOMPARE(start->size(), QSize(635, 474));
        QCOMPARE(start->minimumSize(), start->maximumSize());
        QVERIFY(start->windowTitle().isEmpty());
        QVERIFY(!start->windowIcon().isNull());
        QCOMPARE(start->palette().color(QPalette::WindowText), bgr(0x00C0C0C0));
        const QImage bild = start->grab().toImage();
        QCOMPARE(bild.pixelColor(4, 470), bgr(Fensterfarbe));
        QCOMPARE(bild.pixelColor(634, 100), bgr(Fensterfarbe));
        QCOMPARE(p->ctrl(QStringLiteral("Image2"))->geometry(), QRect(216, 80, 401, 287));
        QVERIFY(Bildpruefung::farben(bild, QRect(216, 80, 401, 287)) > 50); // the title picture

        // Its own pointing hand over the window, the buttons' pointing hand over the buttons.
        const QImage eigene = start->cursor().pixmap().toImage();
        QCOMPARE(start->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(eigene.size(), QSize(32, 32));
        Hauptfensterprobe haupt;
        const QImage knopfHand = haupt.ctrl(QStringLiteral("EndE"))->cursor().pixmap().toImage();
        QVERIFY(eigene != knopfHand);
        for (const char *knopf : {"Command1", "Command2"})
            QCOMPARE(p->ctrl(QString::fromUtf8(knopf))->cursor().pixmap().toImage(), knopfHand);
    }

    void beschriftungen_data()
    {
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < int(std::size(Beschriftungen)); ++i)
            QTest::newRow(Beschriftungen[i].name) << i;
    }

    // Bold Arial in its colour, centred, on the window's colour: the labels have no background.
    void beschriftungen()
    {
        QFETCH(int, zeile);
        const Beschriftung &b = Beschriftungen[zeile];
        p->zeige();
        auto *l = qobject_cast<QLabel *>(p->ctrl(QString::fromUtf8(b.name)));
        QVERIFY(l);
        QCOMPARE(l->geometry(), b.platz);
        QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(l->font()).pointSizeF(), b.punkte);
        QCOMPARE(l->font().weight(), QFont::Bold);
        QVERIFY(!l->text().isEmpty());

        const QImage bild = l->window()->grab().toImage();
        const QRect band(b.platz.left(), b.textVon, b.platz.width(), b.textBis - b.textVon + 1);
        const QColor grund = bgr(Fensterfarbe);
        QCOMPARE(bild.pixelColor(band.topLeft()), grund);
        QCOMPARE(bild.pixelColor(band.bottomRight()), grund);
        QVERIFY(Bildpruefung::deckung(bild, band, grund, farbe(b.schrift)) >= 0.8);
        const QRect text = Bildpruefung::umriss(bild, band, grund);
        QVERIFY2(
            qAbs(text.center().x() - band.center().x()) <= 3,
            qPrintable(QStringLiteral("text from %1 to %2").arg(text.left()).arg(text.right())));
    }

    // What the texts must say; their wording is free.
    void inhalte()
    {
        p->zeige();
        auto text = [this](const char *name) {
            return qobject_cast<QLabel *>(p->ctrl(QString::fromUtf8(name)))->text();
        };
        QVERIFY(text("Label4").contains(QStringLiteral("Fingalo")));
        QVERIFY(text("Label4").contains(QRegularExpression(QStringLiteral("\\b(19|20)\\d\\d\\b"))));
        QVERIFY(text("Label1").contains(QStringLiteral("kostenlos")));
        // The maker and the town the maker comes from.
        QVERIFY2(text("Label6").contains(QStringLiteral("Fingalo-Team")),
                 qPrintable(text("Label6")));
        QVERIFY2(text("Label6").contains(
                     QRegularExpression(QStringLiteral("\\b(aus|in) [A-ZÄÖÜ][a-zäöüß]+"))),
                 qPrintable(text("Label6")));
    }

    void regeln_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("platz");
        QTest::newRow("Shape1_0") << 0 << QRect(1, 2, 633, 4);
        QTest::newRow("Shape1_1") << 1 << QRect(0, 464, 633, 4);
        QTest::newRow("Shape1_2") << 2 << QRect(-8, 416, 641, 4);
    }

    // Navy bars, filled and outlined alike, ending where their rectangles end.
    void regeln()
    {
        QFETCH(int, index);
        QFETCH(QRect, platz);
        p->zeige();
        QWidget *regel = p->ctrl(QStringLiteral("Shape1_%1").arg(index));
        QCOMPARE(regel->geometry(), platz);
        const QImage bild = regel->window()->grab().toImage();
        const QRect sichtbar = platz & bild.rect();
        QCOMPARE(Bildpruefung::anzahl(bild, sichtbar, bgr(Marineblau)),
                 sichtbar.width() * sichtbar.height());
        if (platz.left() > 0)
            QCOMPARE(bild.pixelColor(platz.left() - 1, platz.top() + 1), bgr(Fensterfarbe));
        QCOMPARE(bild.pixelColor(platz.right() + 1, platz.top() + 1), bgr(Fensterfarbe));
        QCOMPARE(bild.pixelColor(platz.left() + 300, platz.bottom() + 1), bgr(Fensterfarbe));
    }

    void knoepfe_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("platz");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tooltip");
        // clang-format off
        QTest::newRow("Command1") << u"Command1"_s << QRect(240, 424, 161, 33) << u"&Starten"_s << u"  PROGRAMMSTART  "_s;
        QTest::newRow("Command2") << u"Command2"_s << QRect(472, 424, 153, 33) << u"&Verlassen"_s << u"  Programm nicht starten  "_s;
        // clang-format on
    }

    void knoepfe()
    {
        QFETCH(QString, name);
        QFETCH(QRect, platz);
        QFETCH(QString, text);
        QFETCH(QString, tooltip);
        p->zeige();
        auto *k = qobject_cast<QAbstractButton *>(p->ctrl(name));
        QVERIFY(k);
        QCOMPARE(k->geometry(), platz);
        QCOMPARE(k->text(), text);
        QCOMPARE(k->toolTip(), tooltip);
        QCOMPARE(QFontInfo(k->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(k->font()).pointSizeF(), 14.25);
        QCOMPARE(k->font().weight(), QFont::Bold);
        const QImage bild = k->window()->grab().toImage();
        const QColor grund = bgr(0x00FF8080);
        QCOMPARE(bild.pixelColor(platz.left() + 4, platz.bottom() - 4), grund);
        QVERIFY(Bildpruefung::deckung(bild, platz.adjusted(3, 3, -3, -3), grund,
                                      farbe(Knopftext)) >= 0.8);
    }

    // "&Starten" has the focus when the window opens; Tab goes on to "&Verlassen" and back.
    void fokusfolge()
    {
        p->zeige();
        QWidget *starten = p->ctrl(QStringLiteral("Command1"));
        QTRY_COMPARE(QApplication::focusWidget(), starten);
        QTest::keyClick(starten->window()->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p->ctrl(QStringLiteral("Command2")));
        QTest::keyClick(starten->window()->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), starten);
    }

    void ladenSetztTitelUndZentriert()
    {
        auto *titel = qobject_cast<QLabel *>(p->ctrl(QStringLiteral("Label2")));
        QCOMPARE(titel->text(), QStringLiteral("Version"));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        p->zeige();
        QCOMPARE(titel->text(), QStringLiteral("10-Finger Fingalo 3"));
        QVERIFY(!QGuiApplication::overrideCursor());
        const QRect r = titel->window()->frameGeometry();
        QVERIFY(mittig(r.topLeft(), r.size(), QGuiApplication::primaryScreen()->geometry().size()));
    }

    void startenOeffnetDasHauptfenster()
    {
        p->zeige();
        // While the learner reads the start window, the main window is made ready but neither
        // shown nor loaded: its exercise line still shows the design's caption.
        auto bereit = [] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QStringLiteral("tippen"))
                    return w;
            }
            return static_cast<QWidget *>(nullptr);
        };
        QTRY_VERIFY(bereit());
        QVERIFY(!hauptfenster());
        QCOMPARE(bereit()->findChild<QLabel *>(QStringLiteral("TextFeld"))->text(),
                 QStringLiteral(" Kleiner 10-Finger Fingalo / Ausgabefeld"));
        QWidget *start = p->ctrl(QStringLiteral("Command1"))->window();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor); // the main window's load clears it
        qobject_cast<QAbstractButton *>(p->ctrl(QStringLiteral("Command1")))->click();
        QVERIFY(!QGuiApplication::overrideCursor());
        QWidget *haupt = hauptfenster();
        QVERIFY(haupt);
        QVERIFY(!start->isVisible());
        QVERIFY(haupt->isVisible());
        QCOMPARE(haupt->findChild<Eingabefeld *>(QStringLiteral("FELD"))->text(),
                 Sollwerte::FeldAmAnfang);
        QCOMPARE(haupt->findChild<QLabel *>(QStringLiteral("TextFeld"))->text(),
                 Sollwerte::Anleitung);
        const QRect r = haupt->frameGeometry();
        QVERIFY(mittig(r.topLeft(), r.size(), QGuiApplication::primaryScreen()->geometry().size()));
        QCOMPARE(p->umgebung.beendet, 0);
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

    // As the keyboard sends them, through the window with "&Starten" focused.
    void tastaturkuerzel()
    {
        QFETCH(int, taste);
        QFETCH(int, modifikator);
        QFETCH(bool, startet);
        p->zeige();
        QWidget *start = p->ctrl(QStringLiteral("Command1"))->window();
        QTRY_COMPARE(QApplication::focusWidget(), p->ctrl(QStringLiteral("Command1")));
        QTest::keyClick(start->windowHandle(), Qt::Key(taste), Qt::KeyboardModifiers(modifikator));
        if (startet) {
            QTRY_VERIFY(hauptfenster());
            QTRY_VERIFY(!start->isVisible());
            QCOMPARE(p->umgebung.beendet, 0);
        } else {
            QTRY_COMPARE(p->umgebung.beendet, 1);
            QVERIFY(!hauptfenster());
        }
    }
};

QTEST_MAIN(TstStartfenster)
#include "tst_startfenster.moc"

// The start window: its design as drawn, its load handler, and the two ways out of it.

#include "Bildpruefung.h"
#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>

using Sollwerte::bgr;
using namespace Sollwerte::Start;
using namespace Qt::StringLiterals;

namespace {

bool mittig(const QPoint &p, const QSize &gross, const QSize &schirm)
{
    return qAbs(p.x() - (schirm.width() - gross.width() - p.x())) <= 1 &&
           qAbs(p.y() - (schirm.height() - gross.height() - p.y())) <= 1;
}

// The main window, made ready while the learner reads the start window; once shown, if `sichtbar`.
QWidget *hauptfenster(bool sichtbar = true)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("tippen") && (w->isVisible() || !sichtbar))
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
        QCOMPARE(start->size(), Sollwerte::Startfenstergroesse);
        QCOMPARE(start->minimumSize(), start->maximumSize());
        QVERIFY(start->windowTitle().isEmpty());
        QVERIFY(!start->windowIcon().isNull());
        QCOMPARE(start->palette().color(QPalette::WindowText), bgr(Vordergrund));
        const QImage bild = start->grab().toImage();
        QCOMPARE(bild.pixelColor(4, 470), bgr(Fensterfarbe));
        QCOMPARE(bild.pixelColor(634, 100), bgr(Fensterfarbe));
        QCOMPARE(p->ctrl(QStringLiteral("Image2"))->geometry(), Titelbild);
        QVERIFY(Bildpruefung::farben(bild, Titelbild) > 50);

        // Its own pointing hand over the window, the buttons' pointing hand over the buttons.
        const QImage eigene = start->cursor().pixmap().toImage();
        QCOMPARE(start->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(eigene.size(), Sollwerte::Zeigergroesse);
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
        QCOMPARE(QFontInfo(l->font()).family(), Sollwerte::Schriftart);
        QCOMPARE(QFontInfo(l->font()).pointSizeF(), b.punkte);
        QCOMPARE(l->font().weight(), QFont::Bold);
        QVERIFY(!l->text().isEmpty());

        const QImage bild = l->window()->grab().toImage();
        const QRect band(b.platz.left(), b.textVon, b.platz.width(), b.textBis - b.textVon + 1);
        const QColor grund = bgr(Fensterfarbe);
        QCOMPARE(bild.pixelColor(band.topLeft()), grund);
        QCOMPARE(bild.pixelColor(band.bottomRight()), grund);
        QVERIFY(Bildpruefung::deckung(bild, band, grund, Bildpruefung::farbe(b.schrift)) >= 0.8);
        const QRect text = Bildpruefung::umriss(bild, band, grund);
        QVERIFY2(
            qAbs(text.center().x() - band.center().x()) <= 3,
            qPrintable(QStringLiteral("text from %1 to %2").arg(text.left()).arg(text.right())));
    }

    // What the texts must say; their wording is free: the product, the years of its releases
    // and its maker as the main window's caption names them, that it stays free of charge, and
    // the maker's home town.
    void inhalte()
    {
        p->zeige();
        auto text = [this](const char *name) {
            return qobject_cast<QLabel *>(p->ctrl(QString::fromUtf8(name)))->text();
        };
        const QString caption = Hauptfensterprobe().fenster().windowTitle();
        QVERIFY(text("Label4").contains(Sollwerte::Anwendungstitel));
        static const QRegularExpression jahr(QStringLiteral("\\b(19|20)\\d\\d\\b"));
        auto jahre = jahr.globalMatch(caption);
        QVERIFY(jahre.hasNext());
        while (jahre.hasNext())
            QVERIFY(text("Label4").contains(jahre.next().captured()));
        QVERIFY(text("Label1").contains(QStringLiteral("kostenlos")));
        const QString macher = caption.section(QStringLiteral("vom "), 1).trimmed();
        QVERIFY2(!macher.isEmpty() && text("Label6").contains(macher), qPrintable(text("Label6")));
        QVERIFY2(text("Label6").contains(
                     QRegularExpression(QStringLiteral("\\b(aus|in) [A-ZÄÖÜ][a-zäöüß]+"))),
                 qPrintable(text("Label6")));
    }

    void regeln_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(Regeln)); ++i)
            QTest::addRow("Shape1_%d", i) << i;
    }

    // Navy bars, filled and outlined alike, ending where their rectangles end.
    void regeln()
    {
        QFETCH(int, index);
        const QRect platz = Regeln[index];
        p->zeige();
        QWidget *regel = p->ctrl(QStringLiteral("Shape1_%1").arg(index));
        QCOMPARE(regel->geometry(), platz);
        const QImage bild = regel->window()->grab().toImage();
        const QRect sichtbar = platz & bild.rect();
        QCOMPARE(Bildpruefung::anzahl(bild, sichtbar, bgr(Sollwerte::Marineblau)),
                 sichtbar.width() * sichtbar.height());
        if (platz.left() > 0)
            QCOMPARE(bild.pixelColor(platz.left() - 1, platz.top() + 1), bgr(Fensterfarbe));
        QCOMPARE(bild.pixelColor(platz.right() + 1, platz.top() + 1), bgr(Fensterfarbe));
        QCOMPARE(bild.pixelColor(platz.left() + 300, platz.bottom() + 1), bgr(Fensterfarbe));
    }

    void knoepfe_data()
    {
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < int(std::size(Knoepfe)); ++i)
            QTest::newRow(Knoepfe[i].name) << i;
    }

    void knoepfe()
    {
        QFETCH(int, zeile);
        const Startknopf &soll = Knoepfe[zeile];
        p->zeige();
        auto *k = qobject_cast<QAbstractButton *>(p->ctrl(QString::fromUtf8(soll.name)));
        QVERIFY(k);
        QCOMPARE(k->geometry(), soll.platz);
        QCOMPARE(k->text(), soll.text);
        QCOMPARE(k->toolTip(), QString::fromUtf16(soll.tooltip));
        QCOMPARE(QFontInfo(k->font()).family(), Sollwerte::Schriftart);
        QCOMPARE(QFontInfo(k->font()).pointSizeF(), Knopfpunkte);
        QCOMPARE(k->font().weight(), QFont::Bold);
        const QImage bild = k->window()->grab().toImage();
        const QColor grund = bgr(Knopffarbe);
        QCOMPARE(bild.pixelColor(soll.platz.left() + 4, soll.platz.bottom() - 4), grund);
        QVERIFY(Bildpruefung::deckung(bild, soll.platz.adjusted(3, 3, -3, -3), grund,
                                      Bildpruefung::farbe(Sollwerte::Knopftext)) >= 0.8);
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
        QCOMPARE(titel->text(), Version);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        p->zeige();
        QCOMPARE(titel->text(), Sollwerte::Versionszeile);
        QVERIFY(!QGuiApplication::overrideCursor());
        const QRect r = titel->window()->frameGeometry();
        QVERIFY(mittig(r.topLeft(), r.size(), QGuiApplication::primaryScreen()->geometry().size()));
    }

    void startenOeffnetDasHauptfenster()
    {
        p->zeige();
        // While the learner reads the start window, the main window is made ready but neither
        // shown nor loaded: its exercise line still shows the design's caption.
        QTRY_VERIFY(hauptfenster(false));
        QVERIFY(!hauptfenster());
        QCOMPARE(hauptfenster(false)->findChild<QLabel *>(QStringLiteral("TextFeld"))->text(),
                 Sollwerte::TextFeldEntwurf);
        QWidget *start = p->ctrl(QStringLiteral("Command1"))->window();
        QGuiApplication::setOverrideCursor(Qt::WaitCursor); // the main window's load clears it
        qobject_cast<QAbstractButton *>(p->ctrl(QStringLiteral("Command1")))->click();
        QVERIFY(!QGuiApplication::overrideCursor());
        QWidget *haupt = hauptfenster();
        QVERIFY(haupt);
        QVERIFY(!start->isVisible());
        QVERIFY(haupt->isVisible());
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

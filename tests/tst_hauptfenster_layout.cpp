// The main window as it opens: every control where the design puts it, in its fonts and colours,
// and drawn so: fill, outline and text colour are read from a grab of the window.

#include "Bildpruefung.h"
#include "Fensterprobe.h"
#include "Sollwerte.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <string_view>

using namespace std::string_view_literals;
using namespace Sollwerte;
using Bildpruefung::farbe;

class TstHauptfensterLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptfensterprobe> p;
    QImage bild; // the client area, where all design positions are measured

    // Text in `schrift` is drawn inside `platz`, over `grund`.
    static void pruefeSchrift(const QImage &bild, const QRect &platz, const QColor &grund,
                              const QColor &schrift)
    {
        const qreal d = Bildpruefung::deckung(bild, platz.adjusted(3, 3, -3, -3), grund, schrift);
        QVERIFY2(d >= 0.8, qPrintable(QStringLiteral("no text in %1 drawn on %2 (best %3)")
                                          .arg(schrift.name(), grund.name())
                                          .arg(d)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        p = std::make_unique<Hauptfensterprobe>();
        p->zeige();
        bild = p->client()->grab().toImage();
    }

    // The exercise line is the one caption the load handler replaces.
    void vorDemLaden()
    {
        Hauptfensterprobe neu;
        QCOMPARE(neu.text(QStringLiteral("TextFeld")), TextFeldEntwurf);
        neu.zeige();
        QCOMPARE(neu.text(QStringLiteral("TextFeld")), Anleitung);
    }

    void fenster()
    {
        QWidget *client = p->client();
        QCOMPARE(client->size(), Hauptfenstergroesse);
        QCOMPARE(bild.size(), Hauptfenstergroesse);
        QWidget *fenster = client->window();
        QCOMPARE(fenster->minimumSize(), fenster->maximumSize()); // the layout has one size only
        // As the whole window shows it, not only as the client draws itself alone.
        const QImage ganz = fenster->grab().toImage();
        for (QPoint frei : {QPoint(5, 300), QPoint(863, 100), QPoint(5, 680), QPoint(300, 150)}) {
            QCOMPARE(bild.pixelColor(frei), bgr(Fensterfarbe));
            QCOMPARE(ganz.pixelColor(client->mapTo(fenster, frei) * ganz.devicePixelRatio()),
                     bgr(Fensterfarbe));
        }
        QVERIFY(!fenster->windowIcon().isNull());
        fenster->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), p->feld());

        // The open hand over the window itself, the pointing hand over the command buttons.
        const QCursor offen = client->cursor();
        QCOMPARE(offen.shape(), Qt::BitmapCursor);
        QCOMPARE(offen.pixmap().size(), Zeigergroesse);
        const QImage zeigend = p->ctrl(QStringLiteral("EndE"))->cursor().pixmap().toImage();
        QCOMPARE(zeigend.size(), Zeigergroesse);
        QVERIFY(zeigend != offen.pixmap().toImage());
        for (const Steuerelement &s : Hauptfenster) {
            if (s.zeiger == Zeigehand)
                QVERIFY2(p->ctrl(QString::fromUtf8(s.name))->cursor().pixmap().toImage() == zeigend,
                         s.name);
        }
    }

    void steuerelemente_data()
    {
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < int(std::size(Hauptfenster)); ++i)
            QTest::newRow(Hauptfenster[i].name) << i;
    }

    void steuerelemente()
    {
        QFETCH(int, zeile);
        const Steuerelement &s = Hauptfenster[zeile];
        QWidget *w = p->ctrl(QString::fromUtf8(s.name));
        const QRect platz = Sollwerte::pixel(s.links, s.oben, s.breite, s.hoehe);
        QCOMPARE(p->platz(QString::fromUtf8(s.name)), platz);
        QVERIFY(w->isVisible());
        if (s.text)
            QCOMPARE(p->text(QString::fromUtf8(s.name)), QString::fromUtf16(s.text));
        QCOMPARE(w->toolTip(), QString::fromUtf16(s.tooltip));
        QCOMPARE(QFontInfo(w->font()).family(), Schriftart);
        QCOMPARE(QFontInfo(w->font()).pointSizeF(), s.punkte);
        QCOMPARE(w->font().weight(), s.fett ? QFont::Bold : QFont::Normal);
        QCOMPARE(w->cursor().shape(), s.zeiger);

        const QColor grund = farbe(s.grund);
        QCOMPARE(bild.pixelColor(platz.left() + 4, platz.bottom() - 4), grund);
        pruefeSchrift(bild, platz, grund, farbe(s.schrift));
        // Centred where the design centres, else from the left edge.
        const QRect text = Bildpruefung::umriss(bild, platz.adjusted(3, 3, -3, -3), grund);
        if (s.mittig)
            QVERIFY2(qAbs(text.center().x() - platz.center().x()) <= 2,
                     qPrintable(
                         QStringLiteral("text from %1 to %2").arg(text.left()).arg(text.right())));
        else if (!qobject_cast<QAbstractButton *>(w))
            QVERIFY2(text.left() - platz.left() <= 12,
                     qPrintable(QStringLiteral("text begins at %1 in %2")
                                    .arg(text.left() - platz.left())
                                    .arg(platz.width())));
        const QPoint mitte = platz.center();
        const QPoint aussen[] = {{platz.left(), mitte.y()},
                                 {platz.right(), mitte.y()},
                                 {mitte.x(), platz.top()},
                                 {mitte.x(), platz.bottom()}};
        if (!s.rand && qobject_cast<QLabel *>(w)) {
            for (const QPoint &ort : aussen)
                QCOMPARE(bild.pixelColor(ort), grund);
        }
        if (s.rand) {
            const QPoint innen[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            const QColor linie = bild.pixelColor(aussen[0]);
            QVERIFY(linie != grund && linie != bgr(Fensterfarbe));
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(bild.pixelColor(aussen[i]), linie);
                QCOMPARE(bild.pixelColor(aussen[i] + innen[i]), grund);
            }
        }
    }

    void fingermarker_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(Marker)); ++i)
            QTest::addRow("DieFinger_%d", i) << i;
    }

    // Circles in their design colours, all visible until a lesson or finger is chosen.
    void fingermarker()
    {
        QFETCH(int, index);
        const QPoint ort = Marker[index];
        QWidget *m = p->ctrl(QStringLiteral("DieFinger_%1").arg(index));
        QCOMPARE(p->platz(m->objectName()), QRect(ort, QSize(Markergroesse, Markergroesse)));
        QVERIFY(m->isVisible());
        const int mitte = Markergroesse / 2;
        QCOMPARE(bild.pixelColor(ort + QPoint(mitte, mitte)), bgr(Markerfarbe));
        QCOMPARE(bild.pixelColor(ort + QPoint(3, 3)), bgr(Markerfarbe));
        // The outline: the top, bottom, left and right of the circle.
        const int rand = Markergroesse - 1;
        for (QPoint r :
             {QPoint(mitte, 0), QPoint(mitte, rand), QPoint(0, mitte), QPoint(rand, mitte)})
            QVERIFY(Bildpruefung::deckung(bild, QRect(ort + r, QSize(1, 1)), bgr(Markerfarbe),
                                          bgr(Markerrand)) >= 0.6);
    }

    void haendeUndTastenfeld()
    {
        // The photograph of the hands, unscaled.
        QCOMPARE(p->platz(QStringLiteral("Image1")), Haende);
        QVERIFY(Bildpruefung::farben(bild, Haende) > 100);

        // The panel behind the keys, with a 2 px outline in window text.
        QCOMPARE(p->platz(QStringLiteral("Figur1")), Tastenflaeche);
        const QColor linie = farbe(Fenstertext);
        const QColor flaeche = bgr(Tastenfarbe);
        // Left, right, top and bottom edge, each sampled where no key covers the panel.
        const QRect &f = Tastenflaeche;
        const QPoint rand[] = {
            {f.left(), 400}, {f.right(), 300}, {400, f.top()}, {400, f.bottom()}};
        const QPoint innen[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(bild.pixelColor(rand[i]), linie);
            QCOMPARE(bild.pixelColor(rand[i] + innen[i]), linie);
            QCOMPARE(bild.pixelColor(rand[i] + 2 * innen[i]), flaeche);
            QCOMPARE(bild.pixelColor(rand[i] - innen[i]), bgr(Fensterfarbe));
        }
    }

    void tasten_data()
    {
        QTest::addColumn<int>("zeile");
        const auto tasten = Sollwerte::tastatur();
        QCOMPARE(tasten.size(), 62);
        for (int i = 0; i < tasten.size(); ++i)
            QTest::newRow(qPrintable(tasten[i].name)) << i;
    }

    // Every key in its place with its caption, or a picture centred on the key instead.
    void tasten()
    {
        QFETCH(int, zeile);
        const Sollwerte::TastenPlatz soll = Sollwerte::tastatur().at(zeile);
        auto *k = p->ctrl<QAbstractButton>(soll.name);
        QCOMPARE(p->platz(soll.name), soll.platz);
        QCOMPARE(k->text(), soll.beschriftung);
        QCOMPARE(QFontInfo(k->font()).family(), Schriftart);
        QCOMPARE(QFontInfo(k->font()).pointSizeF(), soll.punkte);
        QCOMPARE(k->font().weight(), QFont::Normal);
        QVERIFY(!k->font().underline());
        QCOMPARE(k->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(k->toolTip(),
                 soll.name == QStringLiteral("Command4") ? EingabetasteTooltip : QString());

        const QColor flaeche = bgr(Tastenfarbe);
        const QRect r = soll.platz;
        QCOMPARE(bild.pixelColor(r.left() + 4, r.bottom() - 4), flaeche);
        if (soll.bild == Sollwerte::Bild::Keins) {
            pruefeSchrift(bild, r, flaeche, farbe(Knopftext));
            return;
        }
        const QRect b = Bildpruefung::umriss(bild, r.adjusted(4, 4, -4, -4), flaeche);
        QVERIFY2(b.height() >= KleinstesTastenbild.height() &&
                     b.height() <= GroesstesTastenbild.height() &&
                     b.width() >= KleinstesTastenbild.width() &&
                     b.width() <= GroesstesTastenbild.width(),
                 qPrintable(QStringLiteral("picture %1 x %2").arg(b.width()).arg(b.height())));
        const QPointF versatz = QRectF(b).center() - QRectF(r).center();
        QVERIFY2(
            qAbs(versatz.x()) <= 1.5 && qAbs(versatz.y()) <= 1.5,
            qPrintable(QStringLiteral("off centre by %1, %2").arg(versatz.x()).arg(versatz.y())));
        const int tastenfarbe = Bildpruefung::anzahl(bild, b, flaeche);
        if (soll.bild == Sollwerte::Bild::Pfeil) {
            // A black line drawing, the key's colour showing through around it.
            QVERIFY(Bildpruefung::deckung(bild, b, flaeche, Qt::black) >= 0.8);
            QVERIFY(tastenfarbe > b.width() * b.height() / 3);
        } else {
            // An opaque picture: the key's colour shows at most in its rounded corners.
            QVERIFY2(tastenfarbe <= 8, qPrintable(QString::number(tastenfarbe)));
        }
    }

    // A caption's access key is underlined: under the "E" of "&ENDE" lies a line, and under no
    // other letter.
    void zugriffstasteUnterstrichen()
    {
        const QRect platz = p->platz(QStringLiteral("EndE"));
        const auto ende = std::find_if(std::begin(Hauptfenster), std::end(Hauptfenster),
                                       [](const Steuerelement &s) { return s.name == "EndE"sv; });
        const QColor grund = bgr(ende->grund);
        const QRect text = Bildpruefung::umriss(bild, platz.adjusted(4, 4, -4, -4), grund);
        const QRect unten(text.left(), text.bottom(), text.width(), 1);
        const QRect zeile = Bildpruefung::umriss(bild, unten, grund);
        QVERIFY2(!zeile.isEmpty() && zeile.right() < text.left() + text.width() * 0.35,
                 qPrintable(QStringLiteral("line from %1 to %2 under text from %3 to %4")
                                .arg(zeile.left())
                                .arg(zeile.right())
                                .arg(text.left())
                                .arg(text.right())));
    }

    // The lesson's explanation wraps within its label instead of running off its edge.
    void erklaerungBricht()
    {
        Hauptfensterprobe q;
        q.zeige();
        q.lektion(1);
        const QImage jetzt = q.client()->grab().toImage();
        const QRect platz = q.platz(QStringLiteral("Text"));
        const QRect text = Bildpruefung::umriss(jetzt, platz, bgr(Fensterfarbe));
        const int zeilenhoehe = QFontMetrics(q.ctrl(QStringLiteral("Text"))->font()).height();
        QVERIFY2(text.height() > 2 * zeilenhoehe && text.left() > platz.left() &&
                     text.right() < platz.right(),
                 qPrintable(QStringLiteral("%1 x %2").arg(text.width()).arg(text.height())));
    }

    void rechteUmschalttasteBreiter()
    {
        auto breite = [this](const char *name) {
            const QRect r = p->platz(QString::fromUtf8(name));
            return Bildpruefung::umriss(bild, r.adjusted(4, 4, -4, -4), bgr(Tastenfarbe)).width();
        };
        QVERIFY2(breite("ShiftTaste_1") > breite("ShiftTaste_0"),
                 qPrintable(QStringLiteral("%1 and %2")
                                .arg(breite("ShiftTaste_1"))
                                .arg(breite("ShiftTaste_0"))));
    }
};

QTEST_MAIN(TstHauptfensterLayout)
#include "tst_hauptfenster_layout.moc"

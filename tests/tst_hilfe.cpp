// Key explanations, the web-link and help menus, the exit, and the help window, each reached as
// the learner reaches them: by clicking the key or choosing the menu item.

#include "Bildpruefung.h"
#include "Fakes.h"
#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "help/FingerBild.h"
#include "help/QtHilfeanzeige.h"
#include "keyboard/Finger.h"
#include "keyboard/Zeichenansage.h"
#include "lessons/Kurs.h"
#include "main_window/tippen.h"
#include "util/QtMeldungen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <tuple>

using Symbol = Meldungen::Symbol;
using namespace Qt::StringLiterals;

class TstHilfe : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptfensterprobe> inLektion;
    std::unique_ptr<Hauptfensterprobe> nachEnde;

private Q_SLOTS:
    void initTestCase()
    {
        inLektion = std::make_unique<Hauptfensterprobe>();
        inLektion->zeige();
        nachEnde = std::make_unique<Hauptfensterprobe>();
        nachEnde->zeige();
        nachEnde->lektion(1);
        nachEnde->tippeZeilen(1, 1, Kurs::ZeilenJeLektion);
        QVERIFY(!nachEnde->feld()->isEnabled());
        QVERIFY(nachEnde->meldungen().isEmpty());
    }

    void erklaerungen_data()
    {
        QTest::addColumn<QString>("taste");
        QTest::addColumn<bool>("beendet");
        const auto tasten = Sollwerte::tastatur();
        for (bool beendet : {false, true}) {
            for (const Sollwerte::TastenPlatz &t : tasten)
                QTest::addRow("%s%s", qPrintable(t.name), beendet ? " nach Lektionsende" : "")
                    << t.name << beendet;
        }
    }

    // Every key of the on-screen keyboard: its box, then the focus back to FELD during a lesson,
    // so that the next key typed goes on with the exercise; after the lesson's end it stays on the
    // key. The three picture keys show nothing.
    void erklaerungen()
    {
        QFETCH(QString, taste);
        QFETCH(bool, beendet);
        Hauptfensterprobe &p = beendet ? *nachEnde : *inLektion;
        QWindow *fenster = p.feld()->window()->windowHandle();
        p.feld()->window()->activateWindow();
        QTRY_VERIFY(p.feld()->window()->isActiveWindow());
        if (!beendet) {
            p.lektion(1);
            QTest::keyClick(fenster, 'f');
            QTest::keyClick(fenster, 'f');
        }
        const QString vorher = p.feld()->text();
        p.meldungen();
        QWidget *k = p.ctrl(taste);
        QTest::mouseClick(k, Qt::LeftButton);

        const auto eintraege = p.umgebung.meldungen.eintraege;
        const Sollwerte::Box *soll = nullptr;
        for (const Sollwerte::Box &b : Sollwerte::Boxen) {
            if (taste.section(u'_', 0, 0) == QString::fromUtf8(b.feld))
                soll = &b;
        }
        if (soll) {
            QCOMPARE(eintraege.size(), 1);
            QCOMPARE(eintraege[0].text, Sollwerte::boxText(soll->teile));
            QCOMPARE(eintraege[0].titel, QString::fromUtf16(soll->titel));
            QCOMPARE(eintraege[0].symbol, soll->information ? Symbol::Information : Symbol::Keins);
        } else {
            QCOMPARE(eintraege.size(), 0);
        }
        QCOMPARE(QApplication::focusWidget(), beendet ? k : p.feld());
        QTest::keyClick(fenster, 'f');
        QCOMPARE(p.feld()->text(), beendet ? vorher : vorher + u'f');
    }

    void weblinks_data()
    {
        QTest::addColumn<bool>("beendet");
        QTest::newRow("in der Lektion") << false;
        QTest::newRow("nach Lektionsende") << true;
    }

    // Every link item opens its address through the shell utility, which shows the busy pointer
    // meanwhile; then FELD gets the focus back during a lesson, while after its end the focus stays
    // where it was. An address that cannot be opened goes unreported.
    void weblinks()
    {
        QFETCH(bool, beendet);
        Hauptfensterprobe &p = beendet ? *nachEnde : *inLektion;
        p.feld()->window()->activateWindow();
        QTRY_VERIFY(p.feld()->window()->isActiveWindow());
        if (!beendet)
            p.lektion(1);
        p.meldungen();
        p.umgebung.browser.gelingt = !beendet;
        QList<QAction *> links;
        for (QAction *gruppe : p.menuepunkt(QStringLiteral("mnu_Webseiten"))->menu()->actions())
            links += gruppe->menu()->actions();
        links += p.menuepunkt(QStringLiteral("mnu_Webseite"));
        QCOMPARE(links.size(), int(std::size(Sollwerte::Weblinks)));
        QWidget *ende = p.ctrl(QStringLiteral("EndE"));
        for (const Sollwerte::Weblink &soll : Sollwerte::Weblinks) {
            QAction *a = p.menuepunkt(QString::fromLatin1(soll.name));
            QVERIFY(links.contains(a));
            ende->setFocus();
            p.umgebung.browser.aufrufe.clear();
            a->trigger();
            QCOMPARE(p.umgebung.browser.aufrufe.size(), 1);
            QCOMPARE(p.umgebung.browser.aufrufe[0].adresse,
                     QUrl(QString::fromLatin1(soll.adresse)));
            QCOMPARE(QApplication::focusWidget(), beendet ? ende : p.feld());
        }
        QCOMPARE(p.umgebung.browser.aufrufe[0].zeigerWaehrenddessen, std::optional(Qt::WaitCursor));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(p.meldungen().isEmpty());
        p.umgebung.browser.gelingt = true;
    }

    void hilfeUndBeenden()
    {
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(1);
        p.ctrl(QStringLiteral("EndE"))->setFocus();
        p.menuepunkt(QStringLiteral("mnu_Kurzanleitung"))->trigger();
        QCOMPARE(QApplication::focusWidget(), p.feld());
        p.menuepunkt(QStringLiteral("mnu_FingerBild"))->trigger();
        QCOMPARE(p.umgebung.hilfe.seiten, QList<int>({1, 2}));
        QCOMPARE(p.umgebung.beendet, 0);
        p.menuepunkt(QStringLiteral("mnu_beenden"))->trigger();
        QCOMPARE(p.umgebung.beendet, 1);
        QVERIFY(p.meldungen().isEmpty());
    }

    // The real help window through its two menu items: modal, at the chosen page, closed by Esc,
    // and afterwards the learner types on.
    void echtesHilfefenster()
    {
        Testumgebung rest;
        QtHilfeanzeige hilfe;
        Umgebung umgebung{rest.meldungen, rest.browser, hilfe, [] {}};
        Hauptfensterprobe p(umgebung);
        p.zeige();
        p.lektion(1);
        QString anleitung;
        for (const char *punkt : {"mnu_Kurzanleitung", "mnu_FingerBild"}) {
            QString seite;
            p.ctrl(QStringLiteral("EndE"))->setFocus();
            mitModalemFenster([&] { p.menuepunkt(QString::fromUtf8(punkt))->trigger(); },
                              [&](QWidget *fenster) {
                                  auto *seiten = fenster->findChild<QTabWidget *>();
                                  seite =
                                      seiten ? seiten->tabText(seiten->currentIndex()) : QString();
                                  anleitung = fenster->findChild<QTextBrowser *>()->toPlainText();
                                  QTest::keyClick(fenster, Qt::Key_Escape);
                              });
            // The page the menu item names.
            QCOMPARE(ohneZugriffstaste(seite), p.menuepunkt(QString::fromUtf8(punkt))->text());
            // Without a window manager nothing activates the window again once the box is gone; the
            // focus it returns to is its own.
            QCOMPARE(p.feld()->window()->focusWidget(), p.feld());
        }
        // The short guide names what the learner meets on the window, by the captions it shows.
        QStringList stichworte{p.menuepunkt(QStringLiteral("mnu_Lektionen"))->text(),
                               p.text(QStringLiteral("FehlerTaste")).section(u' ', 0, 0)};
        for (const char *knopf : {"Wiederholen", "EndE", "ZeigeTasten_0", "ZeigeTasten_1"})
            stichworte << ohneZugriffstaste(p.text(QString::fromUtf8(knopf)));
        stichworte << QStringLiteral("gelbe Zeile") << QStringLiteral("Eingabetaste")
                   << QStringLiteral("Titelleiste") << QStringLiteral("Lektion 15");
        for (const QString &stichwort : std::as_const(stichworte))
            QVERIFY2(anleitung.contains(stichwort), qPrintable(stichwort));
        // What it says of the window is true of it: where lesson and line stand, which access
        // keys the buttons have, and that the menus are reached with Alt and the arrow keys,
        // since no menu caption has an access key.
        QVERIFY(anleitung.contains(QStringLiteral("rechts über dem Eingabefeld")));
        const QRect feld = p.feld()->geometry();
        const QRect felD2 = p.ctrl(QStringLiteral("FelD2"))->geometry();
        QVERIFY(felD2.bottom() < feld.top() && felD2.left() > feld.center().x());
        static const QRegularExpression zugriff(QStringLiteral("Alt\\+(\\w) für (\\w+)"));
        auto beispiele = zugriff.globalMatch(anleitung);
        QVERIFY(beispiele.hasNext());
        while (beispiele.hasNext()) {
            const QRegularExpressionMatch m = beispiele.next();
            const auto knoepfe = p.fenster().findChildren<QAbstractButton *>();
            QVERIFY2(std::any_of(knoepfe.begin(), knoepfe.end(),
                                 [&](const QAbstractButton *k) {
                                     return ohneZugriffstaste(k->text()) == m.captured(2) &&
                                            k->text().contains(u'&' + m.captured(1));
                                 }),
                     qPrintable(m.captured()));
        }
        QVERIFY(anleitung.contains(QStringLiteral("in den Menüs wählen die Pfeiltasten")));
        for (QAction *a : p.fenster().findChildren<QAction *>())
            QVERIFY2(!a->text().contains(u'&'), qPrintable(a->text()));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The real message box of one key: its lines broken where the text has carriage returns,
    // its caption and icon, and OK as its only button.
    void echteMeldung()
    {
        Testumgebung rest;
        QtMeldungen meldungen;
        Umgebung umgebung{meldungen, rest.browser, rest.hilfe, [] {}};
        Hauptfensterprobe p(umgebung);
        p.zeige();
        p.lektion(1);
        const Sollwerte::Box &soll = Sollwerte::Boxen[0]; // AltGr: two texts, an empty line between
        QString text, titel;
        QMessageBox::Icon symbol = QMessageBox::NoIcon;
        int knoepfe = 0;
        mitModalemFenster(
            [&] { QTest::mouseClick(p.ctrl(QString::fromUtf8(soll.feld)), Qt::LeftButton); },
            [&](QWidget *fenster) {
                auto *box = qobject_cast<QMessageBox *>(fenster);
                QVERIFY(box);
                text = box->text();
                titel = box->windowTitle();
                symbol = box->icon();
                knoepfe = int(box->buttons().size());
                box->button(QMessageBox::Ok)->click();
            });
        QCOMPARE(text, Sollwerte::boxText(soll.teile).replace(u'\r', u'\n'));
        QCOMPARE(titel, QString::fromUtf16(soll.titel));
        QCOMPARE(symbol, QMessageBox::Information);
        QCOMPARE(knoepfe, 1);
        // Without a window manager nothing activates the window again once the box is gone; the
        // focus it returns to is its own.
        QCOMPARE(p.feld()->window()->focusWidget(), p.feld());
    }

    // The help picture colours every key as the finger guide assigns it: one colour per finger,
    // eight colours in all, and none of them on the keys no finger types.
    void fingerbildFarben()
    {
        FingerBild bild;
        bild.resize(bild.sizeHint());
        const QImage grafik = bild.grab().toImage();
        // The keyboard keeps the main window's arrangement; find where its top left key begins.
        const QColor grund = grafik.pixelColor(0, 0);
        const QRect gezeichnet =
            Bildpruefung::umriss(grafik, QRect(0, 0, grafik.width(), 60), grund);
        const QList<Sollwerte::TastenPlatz> tastatur = Sollwerte::tastatur();
        const QPoint versatz = gezeichnet.topLeft() - tastatur.first().platz.topLeft();

        QHash<QString, QChar> zeichen;
        for (const Sollwerte::CodeTaste &t : Sollwerte::tastenCode())
            zeichen.insert(t.name, t.zeichen);
        QHash<int, QColor> fingerfarbe;
        QList<QColor> ohneFinger;
        for (const Sollwerte::TastenPlatz &t : tastatur) {
            const QColor farbe = grafik.pixelColor(t.platz.topLeft() + versatz + QPoint(7, 7));
            int finger = -1;
            for (const Sollwerte::Fingerfuehrung &f : Sollwerte::fingerfuehrung()) {
                if (zeichen.contains(t.name) && f.tasten.contains(zeichen.value(t.name)))
                    finger = f.finger;
            }
            if (finger < 0) {
                ohneFinger << farbe;
                continue;
            }
            if (!fingerfarbe.contains(finger))
                fingerfarbe.insert(finger, farbe);
            QVERIFY2(fingerfarbe.value(finger) == farbe,
                     qPrintable(QStringLiteral("%1 of finger %2 in %3, not %4")
                                    .arg(t.name)
                                    .arg(finger)
                                    .arg(farbe.name(), fingerfarbe.value(finger).name())));
        }
        QCOMPARE(fingerfarbe.size(), 8);
        QSet<QRgb> verschieden;
        for (const QColor &f : std::as_const(fingerfarbe))
            verschieden.insert(f.rgb());
        QCOMPARE(verschieden.size(), 8);
        QCOMPARE(ohneFinger.size(), 5); // space bar, Enter and the three picture keys
        for (const QColor &f : ohneFinger)
            QVERIFY2(!verschieden.contains(f.rgb()), qPrintable(f.name()));

        // Each key's caption is drawn dark on its colour.
        for (const Sollwerte::TastenPlatz &t : tastatur) {
            if (!zeichen.contains(t.name) || t.name.startsWith(QLatin1String("ShiftTaste")) ||
                t.name == QLatin1String("LockTaste") || t.name == QLatin1String("TabTaste") ||
                t.name == QLatin1String("Rücktaste"))
                continue;
            const QRect taste = t.platz.translated(versatz).adjusted(4, 4, -4, -4);
            int dunkel = 0;
            for (int y = taste.top(); y <= taste.bottom(); ++y) {
                for (int x = taste.left(); x <= taste.right(); ++x)
                    dunkel += qGray(grafik.pixel(x, y)) < 90;
            }
            QVERIFY2(dunkel > 0, qPrintable(t.name));
        }

        // Below the keyboard every finger's colour shows twice: on its marker over the hands and
        // on its swatch in the legend. The legend beside the left hand lists its fingers from the
        // little one to the index finger, the one beside the right hand from the index finger
        // to the little one, top to bottom, as the finger buttons stand.
        const int unten = versatz.y() + tastatur.last().platz.bottom() + 1;
        const QRect haendeUndLegende(0, unten, grafik.width(), grafik.height() - unten);
        auto flecken = [&](int finger) {
            return Bildpruefung::flecken(grafik, haendeUndLegende, fingerfarbe.value(finger), 80);
        };
        for (int finger = 0; finger < 8; ++finger)
            QVERIFY2(flecken(finger).size() == 2, qPrintable(QString::number(finger)));
        auto legende = [&](std::initializer_list<int> finger, bool links) {
            QList<int> oben;
            for (int f : finger) {
                const QList<QRect> zwei = flecken(f);
                const QRect &aussen =
                    (zwei[0].left() < zwei[1].left()) == links ? zwei[0] : zwei[1];
                oben << aussen.top();
            }
            return std::is_sorted(oben.begin(), oben.end());
        };
        QVERIFY(legende({3, 2, 1, 0}, true));
        QVERIFY(legende({7, 6, 5, 4}, false));

        // Beside each swatch its finger's name, as wide as the name set in the legend's font.
        QFont legendenschrift(QStringLiteral("Arial"));
        legendenschrift.setPixelSize(14);
        const QFontMetrics masse(legendenschrift);
        for (int finger = 0; finger < 8; ++finger) {
            const bool links = finger < 4;
            const QList<QRect> zwei = flecken(finger);
            const QRect feld = (zwei[0].left() < zwei[1].left()) == links ? zwei[0] : zwei[1];
            const QRect daneben = links ? QRect(feld.left() - 240, feld.top(), 236, feld.height())
                                        : QRect(feld.right() + 4, feld.top(), 236, feld.height());
            const QRect text = Bildpruefung::umriss(grafik, daneben, grund);
            const QString name = Fingerfuehrung::Fingertabelle[std::size_t(finger)].name.toString();
            QVERIFY2(qAbs(text.width() - masse.tightBoundingRect(name).width()) <= 2,
                     qPrintable(QStringLiteral("%1: %2 px drawn, %3 px for the name")
                                    .arg(name)
                                    .arg(text.width())
                                    .arg(masse.tightBoundingRect(name).width())));
        }

        // Below the hands the thumbs' swatch, with what they type as the picture's description
        // says it.
        QList<QRect> daumen =
            Bildpruefung::flecken(grafik, haendeUndLegende, QColor(0xE8, 0xDC, 0xC6), 20);
        QVERIFY(!daumen.isEmpty());
        std::sort(daumen.begin(), daumen.end(),
                  [](const QRect &a, const QRect &b) { return a.bottom() < b.bottom(); });
        const QRect feld = daumen.last();
        QVERIFY2(qAbs(feld.width() - 18) <= 2 && qAbs(feld.height() - 18) <= 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(feld.width()).arg(feld.height())));
        const QRect text = Bildpruefung::umriss(
            grafik, QRect(feld.right() + 4, feld.top(), 236, feld.height()), grund);
        const QString daumentext = bild.accessibleDescription()
                                       .section(QStringLiteral(". "), -1)
                                       .chopped(1)
                                       .replace(QStringLiteral(", "), QStringLiteral(": "));
        QVERIFY2(qAbs(text.width() - masse.tightBoundingRect(daumentext).width()) <= 2,
                 qPrintable(QString::number(text.width())));
    }

    // A larger help window shows the picture scaled and in its middle; a listener is told what
    // it shows.
    void fingerbildMittig()
    {
        FingerBild bild;
        // The drawn content and its margins to the right and to the bottom.
        const auto raender = [&](QSize groesse) {
            bild.resize(groesse);
            const QImage grafik = bild.grab().toImage();
            const QRect inhalt =
                Bildpruefung::umriss(grafik, grafik.rect(), grafik.pixelColor(0, 0));
            return std::tuple(inhalt, grafik.width() - 1 - inhalt.right(),
                              grafik.height() - 1 - inhalt.bottom());
        };
        const QSize natur = bild.sizeHint();
        const auto [natuerlich, rechtsNatuerlich, untenNatuerlich] = raender(natur);

        // Wider than the picture: scaled to the height; left and right margins differ only as
        // they do at natural size.
        const auto [breit, rechts, untenBreit] = raender(QSize(1300, 700));
        const qreal mass = 700.0 / natur.height();
        QVERIFY(qAbs(breit.width() - natuerlich.width() * mass) <= 3);
        QVERIFY2(qAbs((breit.left() - rechts) - (natuerlich.left() - rechtsNatuerlich) * mass) <= 3,
                 qPrintable(QStringLiteral("%1..%2").arg(breit.left()).arg(breit.right())));

        // Taller than the picture: scaled to the width, and the same between top and bottom.
        const auto [hoch, rechtsHoch, unten] = raender(QSize(natur.width(), natur.height() * 2));
        QVERIFY(qAbs(hoch.height() - natuerlich.height()) <= 3);
        QVERIFY2(qAbs((hoch.top() - unten) - (natuerlich.top() - untenNatuerlich)) <= 3,
                 qPrintable(QStringLiteral("%1..%2").arg(hoch.top()).arg(hoch.bottom())));
    }

    // A listener reaches the picture with Tab and hears it as text: every finger of the legend,
    // each followed by the keys of its key string, and the thumbs on the space bar.
    void fingerbildInWorten()
    {
        FingerBild bild;
        QVERIFY(bild.focusPolicy() & Qt::TabFocus);
        const QString text = bild.accessibleDescription();
        for (const Sollwerte::Fingerfuehrung &f : Sollwerte::fingerfuehrung()) {
            const QString finger =
                Fingerfuehrung::Fingertabelle[std::size_t(f.finger)].name.toString();
            const qsizetype ab = text.indexOf(finger + QStringLiteral(", "));
            QVERIFY2(ab >= 0, qPrintable(finger));
            const qsizetype von = ab + finger.size() + 2;
            QStringList namen = text.mid(von, text.indexOf(QStringLiteral(". "), von) - von)
                                    .split(QStringLiteral(", "));
            namen.append(namen.takeLast().split(QStringLiteral(" und ")));
            QCOMPARE(namen.size(), f.tasten.size());
            for (const QChar taste : f.tasten)
                QVERIFY2(namen.contains(Zeichenansage::tasten(QString(taste))),
                         qPrintable(namen.join(u'|') + u' ' + taste));
        }
        QVERIFY(text.contains(QLatin1String("Daumen")));
    }
};

QTEST_MAIN(TstHilfe)
#include "tst_hilfe.moc"

// Key explanations, the web-link and help menus, the exit, and the help window.

#include "Fakes.h"
#include "Tippen.h"
#include "help/FingerBild.h"
#include "help/HilfeFenster.h"
#include "help/Weblinks.h"
#include "keyboard/Fingertasten.h"
#include "keyboard/TastenCode.h"
#include "lessons/Lektionstexte.h"
#include "main_window/Eingabefeld.h"
#include "main_window/Knopf.h"
#include "main_window/Tastaturlayout.h"
#include "main_window/tippen.h"
#include "util/QtMeldungen.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

using Symbol = Meldungen::Symbol;

class TstHilfe : public QObject
{
    Q_OBJECT

    std::unique_ptr<Testumgebung> u;
    std::unique_ptr<tippen> f;

    void lektion1() { f->Lektion1[0]->trigger(); }

private Q_SLOTS:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
    }

    void init()
    {
        u = std::make_unique<Testumgebung>();
        f = std::make_unique<tippen>(u->umgebung());
        f->Show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->activateWindow();
    }

    void cleanup()
    {
        f.reset();
        u.reset();
    }

    void erklaerungen_data()
    {
        QTest::addColumn<int>("feld");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("anfang");
        QTest::addColumn<int>("absaetze"); // pieces separated by CR
        const int info = int(Symbol::Information);
        auto zeile = [](const char *name, Tastenfeld feld, int index, const char *titel, int symbol,
                        const char *anfang, int absaetze) {
            QTest::newRow(name) << int(feld) << index << QString::fromUtf8(titel) << symbol
                                << QString::fromUtf8(anfang) << absaetze;
        };
        using enum Tastenfeld;
        zeile("AltGr", AltGrTaste, 0, "Die AltGr-Taste", info,
              "Die AltGr-Taste dient dazu besondere Zeichen (@²³µ{[]}\\~|)", 3);
        zeile("Alt", Alttaste, 0, "ALTERNATIVTASTE", info, "Die Alt-Taste dient dazu", 3);
        zeile("Q", Buchstaben, 0, "Die Buchstaben", info, "Um sehen zu können welchen Finger", 1);
        zeile("M", Buchstaben, 28, "Die Buchstaben", info, "Um sehen zu können welchen Finger", 1);
        zeile("Enter", Command4, 0, "EINGABETASTE", info, "Mit der Eingabetaste (Enter)", 1);
        zeile("Leertaste", LeerTaste, 2, "LEERTASTE", info, "Es wird empfohlen die Leertaste", 1);
        zeile("Feststell", LockTaste, 0, "FESTSTELLTASTE", info, "Die Feststelltaste dient dazu,",
              3);
        zeile("Ruecktaste", Ruecktaste, 0, "RÜCKTASTE", info, "Mit der Rücktaste kann man", 1);
        zeile("Umschalt links", ShiftTaste, 0, "UMSCHALTTASTE", info,
              "Die Umschalttaste dient dazu", 3);
        zeile("Umschalt rechts", ShiftTaste, 1, "UMSCHALTTASTE", info,
              "Die Umschalttaste dient dazu", 3);
        zeile("Strg links", Strgtaste, 0, "STEUERUNGSTASTEN", info, "Die Steuerungstaste dient", 7);
        zeile("Strg rechts", Strgtaste, 1, "STEUERUNGSTASTEN", info, "Die Steuerungstaste dient",
              7);
        zeile("Tab", TabTaste, 0, "TABULATOR", info, "Die Tabulator-Taste dient", 3);
        zeile("Ziffer 0", Zahlentasten, 0, "Die Zahlentasten", info,
              "Um sehen zu können welchen Finger", 3);
        zeile("Ziffer 9", Zahlentasten, 9, "Die Zahlentasten", info,
              "Um sehen zu können welchen Finger", 3);
        zeile("ß", Zeichentaste, 0, "10-Finger Fingalo", int(Symbol::Keins), "Zeichentaste", 1);
        zeile("^", Zeichentaste, 8, "10-Finger Fingalo", int(Symbol::Keins), "Zeichentaste", 1);
    }

    void erklaerungen()
    {
        QFETCH(int, feld);
        QFETCH(int, index);
        QFETCH(QString, titel);
        QFETCH(int, symbol);
        QFETCH(QString, anfang);
        QFETCH(int, absaetze);
        lektion1();
        const QString anfang2 = Lektionstexte::zeile(1, 1).left(2);
        Tippen::text(f->FELD, anfang2);
        f->taste({Tastenfeld(feld), index})->click();

        QCOMPARE(u->meldungen.eintraege.size(), 1);
        const auto &m = u->meldungen.eintraege[0];
        QCOMPARE(m.titel, titel);
        QCOMPARE(int(m.symbol), symbol);
        QVERIFY2(m.text.startsWith(anfang), qPrintable(m.text));
        QVERIFY(!m.text.contains(QLatin1Char('\n')));
        QCOMPARE(m.text.split(QLatin1Char('\r')).size(), absaetze);
        // The learner's input survives, and typing goes on where it stopped.
        QCOMPARE(f->FELD->text(), anfang2);
        QVERIFY(f->FELD->hasFocus());
    }

    void steuerungstastenZeigenDreiKuerzelUntereinander()
    {
        f->Strgtaste[0]->click();
        const QStringList teile = u->meldungen.eintraege.value(0).text.split(QLatin1Char('\r'));
        QCOMPARE(teile.size(), 7);
        QCOMPARE(teile[1], QString());
        QCOMPARE(teile[2], QStringLiteral("Strg und F = Fett schreiben ( in MS-Word geändert )"));
        QCOMPARE(teile[3], QStringLiteral("Strg und U = Unterstreichen ( in MS-Word geändert )"));
        QCOMPARE(teile[4], QStringLiteral("Strg und B = Blocksatz ( in MS-Word geändert )"));
        QCOMPARE(teile[5], QString());
        QCOMPARE(teile[6],
                 QStringLiteral("Die Strg-Taste muss, wie die Umschalt- und ALt-Taste immer zuerst "
                                "gedrückt und festgehalten werden."));
    }

    void ohneLektionBleibtDerFokusAufDerTaste()
    {
        f->FELD->setEnabled(false);
        f->Buchstaben[5]->setFocus();
        f->Buchstaben[5]->click();
        QCOMPARE(u->meldungen.eintraege.size(), 1);
        QVERIFY(f->Buchstaben[5]->hasFocus());
    }

    void weblinks()
    {
        QStringList adressen;
        QList<QAction *> eintraege;
        for (QAction *gruppe : f->mnu_Webseiten->actions())
            eintraege += gruppe->menu()->actions();
        eintraege += f->mnu_update->actions();
        QCOMPARE(eintraege.size(), Weblinks::Anzahl);
        for (QAction *a : eintraege) {
            const Weblink link = Weblinks::eintrag(a->objectName());
            QVERIFY2(link.adresse.isValid(), qPrintable(a->objectName()));
            QCOMPARE(link.adresse.scheme(), QStringLiteral("https"));
            QCOMPARE(a->text(), link.beschriftung);
            f->EndE->setFocus();
            a->trigger();
            QCOMPARE(u->browser.aufrufe.last().adresse, link.adresse);
            QCOMPARE(u->browser.aufrufe.last().zeigerWaehrenddessen, std::optional(Qt::WaitCursor));
            QVERIFY(!QGuiApplication::overrideCursor());
            QVERIFY(f->FELD->hasFocus());
            adressen << link.adresse.toString();
        }
        QCOMPARE(QSet<QString>(adressen.begin(), adressen.end()).size(), Weblinks::Anzahl);
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(Weblinks::eintrag(QStringLiteral("mnu_Webseite")).beschriftung,
                 QStringLiteral("Fingalo Webseite"));
        QCOMPARE(Weblinks::eintrag(QStringLiteral("mnu_Fingalo")).adresse.host(),
                 Weblinks::eintrag(QStringLiteral("mnu_Webseite")).adresse.host());
    }

    void weblinkNachLektionsendeOhneFokus()
    {
        lektion1();
        for (int z = 1; z <= 15; ++z)
            Tippen::text(f->FELD, Lektionstexte::zeile(1, z));
        QVERIFY(!f->FELD->isEnabled());
        u->browser.gelingt = false;
        f->EndE->setFocus();
        f->mnu_update->actions().constFirst()->trigger();
        QCOMPARE(u->browser.aufrufe.size(), 1);
        QVERIFY(f->EndE->hasFocus());
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }

    void hilfeUndBeenden()
    {
        lektion1();
        f->EndE->setFocus();
        f->mnu_Kurzanleitung->trigger();
        QVERIFY(f->FELD->hasFocus());
        f->mnu_FingerBild->trigger();
        QCOMPARE(u->hilfe.seiten, QList<int>({1, 2}));
        QCOMPARE(u->beendet, 0);
        f->mnu_beenden->trigger();
        QCOMPARE(u->beendet, 1);
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }

    void hilfefenster()
    {
        HilfeFenster eins(1);
        QCOMPARE(eins.seite(), 1);
        QCOMPARE(eins.seiten()->tabText(0), QStringLiteral("&Kurzanleitung"));
        const QString anleitung = eins.findChild<QTextBrowser *>()->toPlainText();
        for (const char *stichwort :
             {"Lektionen", "gelbe Zeile", "Eingabetaste", "Fehler", "Wiederholen",
              "ohne Umschalttaste", "Titelleiste", "Lektion 15"})
            QVERIFY2(anleitung.contains(QString::fromUtf8(stichwort)), stichwort);

        HilfeFenster zwei(2);
        QCOMPARE(zwei.seite(), 2);
        QCOMPARE(zwei.seiten()->currentWidget(), zwei.fingerBild());
        zwei.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zwei));
        QTest::keyClick(&zwei, Qt::Key_Escape);
        QVERIFY(!zwei.isVisible());
    }

    // Every key in the picture carries the colour of the finger whose key string names it.
    void fingerbildFarben()
    {
        FingerBild bild;
        bild.resize(bild.sizeHint());
        const QImage grafik = bild.grab().toImage();
        QSet<QRgb> fingerfarben;
        for (int finger = 0; finger < Fingertasten::AnzahlFinger; ++finger)
            fingerfarben.insert(FingerBild::fingerfarbe(finger).rgb());
        QCOMPARE(fingerfarben.size(), Fingertasten::AnzahlFinger);

        int gefaerbt = 0;
        for (int i = 0; i < Tastaturlayout::AnzahlTasten; ++i) {
            const Tastenplatz &t = Tastaturlayout::Tabelle[std::size_t(i)];
            int finger = -1;
            for (int k = 0; k < Fingertasten::AnzahlFinger; ++k) {
                for (char16_t z : Fingertasten::Tabelle[std::size_t(k)].tasten) {
                    if (TastenCode::tasteFuer(z) == t.taste)
                        finger = k;
                }
            }
            const QPoint probe = bild.tastenRechteck(i).topLeft().toPoint() + QPoint(7, 7);
            const QRgb gesehen = grafik.pixel(probe);
            QColor erwartet =
                finger >= 0 ? FingerBild::fingerfarbe(finger) : FingerBild::ohneFingerFarbe();
            if (t.taste.feld == Tastenfeld::LeerTaste)
                erwartet = FingerBild::daumenfarbe();
            QVERIFY2(gesehen == erwartet.rgb(),
                     qPrintable(QStringLiteral("Taste %1: %2 statt %3")
                                    .arg(i)
                                    .arg(QColor(gesehen).name(), erwartet.name())));
            gefaerbt += finger >= 0;
        }
        QCOMPARE(gefaerbt, TastenCode::AnzahlTasten);
    }

    // The one test of the real message box: it shows the text with line breaks, and OK closes it.
    void echteMeldung()
    {
        QString gesehenerText;
        QString gesehenerTitel;
        QMessageBox::Icon gesehenesSymbol = QMessageBox::NoIcon;
        QTimer sucher;
        connect(&sucher, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                gesehenerText = box->text();
                gesehenerTitel = box->windowTitle();
                gesehenesSymbol = box->icon();
                QCOMPARE(box->buttons().size(), 1);
                box->button(QMessageBox::Ok)->click();
            }
        });
        sucher.start(10);
        QtMeldungen meldungen;
        meldungen.zeige(QStringLiteral("eins\r\rzwei"), QStringLiteral("RÜCKTASTE"),
                        Symbol::Information);
        QCOMPARE(gesehenerText, QStringLiteral("eins\n\nzwei"));
        QCOMPARE(gesehenerTitel, QStringLiteral("RÜCKTASTE"));
        QCOMPARE(gesehenesSymbol, QMessageBox::Information);
        meldungen.zeige(QStringLiteral("Zeichentaste"), QStringLiteral("10-Finger Fingalo"),
                        Symbol::Keins);
        QCOMPARE(gesehenesSymbol, QMessageBox::NoIcon);
    }
};

QTEST_MAIN(TstHilfe)
#include "tst_hilfe.moc"

// The exercise without widgets: line serving at its edges, and input that the keyboard rarely
// produces (counters at their limit, characters outside the BMP, decomposed accents).

#include "WerteAnsicht.h"
#include "engine/Zaehler.h"
#include "lessons/Lektionstexte.h"

#include <QtTest>

class TstUebung : public QObject
{
    Q_OBJECT

private:
    static void lektionStarten(WerteAnsicht &a, int lektion)
    {
        a.uebung.startwerteSetzen();
        a.uebung.startzeileSetzen();
        a.uebung.LektionWaehlen((lektion - 1) % 10, (lektion - 1) / 10 * 10);
    }

private Q_SLOTS:
    void naechsteZeile_data()
    {
        QTest::addColumn<int>("lektionNr");
        QTest::addColumn<int>("zeileNr");
        QTest::addColumn<QString>("felD2");
        QTest::addColumn<QString>("zeile");       // empty: the line on screen stays
        QTest::addColumn<QString>("lektionText"); // empty: stays empty
        QTest::addRow("erste Zeile") << 0 << 1 << "Lekt.: 1, Zeile:  1"
                                     << "ffff ffff ffff ffff ffff ffff ffff ffff ffff"
                                     << "1";
        QTest::addRow("letzte Zeile der letzten Lektion")
            << 29 << 15 << "Lekt.: 30, Zeile:  15" << Lektionstexte::zeile(30, 15) << "30";
        QTest::addRow("Zeile 0 nach Wiederholen") << 3 << 0 << "Lekt.: 4, Zeile:  0"
                                                  << ""
                                                  << "4";
        QTest::addRow("Zeile 16 nach der letzten") << 3 << 16 << "Lekt.: 4, Zeile:  16"
                                                   << ""
                                                   << "4";
        QTest::addRow("Startlektion")
            << 14 << 1 << "Lekt.: 15, Zeile:  1" << Lektionstexte::zeile(15, 1) << "15";
        QTest::addRow("Lektion außerhalb") << 30 << 3 << "Lekt.: 31, Zeile:  3"
                                           << ""
                                           << "";
        QTest::addRow("negative Lektion") << -1 << 3 << "Lekt.: 0, Zeile:  3"
                                          << ""
                                          << "";
    }

    void naechsteZeile()
    {
        QFETCH(int, lektionNr);
        QFETCH(int, zeileNr);
        QFETCH(QString, felD2);
        QFETCH(QString, zeile);
        QFETCH(QString, lektionText);

        WerteAnsicht a;
        a.zeile = QStringLiteral("vorher");
        a.uebung.zustand().LektionNr = qint16(lektionNr);
        a.uebung.zustand().ZeileNr = qint16(zeileNr);
        a.uebung.NaechsteZeile();

        QCOMPARE(a.felD2, felD2);
        QCOMPARE(a.zeile, zeile.isEmpty() ? QStringLiteral("vorher") : zeile);
        QCOMPARE(a.uebung.zustand().LektionText, lektionText);
        QCOMPARE(a.uebung.zustand().ZeileNr, zeileNr + 1);
        QVERIFY(a.feldHatFokus);
    }

    void naechsteZeileOhneFokusBeiGesperrtemFeld()
    {
        WerteAnsicht a;
        a.feldIstAktiv = false;
        a.uebung.zustand().LektionNr = 0;
        a.uebung.zustand().ZeileNr = 2;
        a.uebung.NaechsteZeile();
        QCOMPARE(a.zeile, Lektionstexte::zeile(1, 2));
        QVERIFY(!a.feldHatFokus);
    }

    // A 16-bit count held at its top instead of turning negative.
    void zaehlerSaettigen()
    {
        WerteAnsicht a;
        lektionStarten(a, 1);
        a.uebung.zustand().FehlerZahl = Zaehler::Hoechstwert - 1;
        a.tippe(QStringLiteral("x"));
        a.tippe(QStringLiteral("x"));
        a.tippe(QStringLiteral("x"));
        QCOMPARE(a.uebung.zustand().FehlerZahl, Zaehler::Hoechstwert);
        QCOMPARE(a.fehlerTaste, QStringLiteral("F.:  32767"));
        QCOMPARE(a.meldungen.size(), 3);

        a.uebung.zustand().FehlerfreiZahl = Zaehler::Hoechstwert;
        a.tippeZeile(a.zeile);
        QCOMPARE(a.uebung.zustand().FehlerfreiZahl, Zaehler::Hoechstwert);
        QVERIFY(a.titel.endsWith(QStringLiteral("- Fehlerfrei:  32767 von 15 Reihen.")));
    }

    void zaehlerFormat()
    {
        QCOMPARE(Zaehler::mitVorzeichen(0), QStringLiteral(" 0"));
        QCOMPARE(Zaehler::mitVorzeichen(1), QStringLiteral(" 1"));
        QCOMPARE(Zaehler::mitVorzeichen(-2), QStringLiteral("-2"));
        QCOMPARE(Zaehler::erhoeht(Zaehler::Hoechstwert), Zaehler::Hoechstwert);
        QCOMPARE(Zaehler::laenge(100000), Zaehler::Hoechstwert);
    }

    // An emoji is one character of two UTF-16 units: it is named whole and removed whole.
    void zeichenAusserhalbDerBasisebene()
    {
        WerteAnsicht a;
        lektionStarten(a, 1);
        const QString emoji = QStringLiteral("\U0001F600");
        a.tippe(QStringLiteral("f"));
        a.ersetzeFeld(QStringLiteral("f") + emoji);
        QCOMPARE(a.meldungen.size(), 1);
        QVERIFY(a.meldungen.first().contains(QStringLiteral("Sie haben das Zeichen {") + emoji +
                                             QLatin1Char('}')));
        QVERIFY(a.meldungen.first().startsWith(QStringLiteral("Es sollte das Zeichen {f}")));
        QCOMPARE(a.feld, QStringLiteral("f"));
        QCOMPARE(a.meinText, QStringLiteral("_f"));

        // Two emoji pasted at once: each one goes with its own message, no half stays behind.
        a.ersetzeFeld(QStringLiteral("f") + emoji + emoji);
        QCOMPARE(a.meldungen.size(), 3);
        QCOMPARE(a.feld, QStringLiteral("f"));
        QCOMPARE(a.uebung.zustand().EingabeLaenge, 1);
    }

    // A letter followed by a combining accent is the precomposed letter.
    void zerlegteAkzente()
    {
        WerteAnsicht a;
        lektionStarten(a, 14);
        QCOMPARE(a.zeile, QStringLiteral("eé eé eé eé a1 a1 a1 eé dé fé gé lé té"));
        a.tippe(QStringLiteral("e"));
        a.tippe(QStringLiteral("e\u0301"));
        QVERIFY2(a.meldungen.isEmpty(), qPrintable(a.meldungen.value(0)));
        QCOMPARE(a.uebung.zustand().EingabeLaenge, 2);

        // An accent landing on a correct letter is wrong; only the accent goes, the letter stays.
        a.tippe(QStringLiteral(" "));
        a.tippe(QStringLiteral("e"));
        a.tippe(QStringLiteral("\u0301"));
        QCOMPARE(a.meldungen.size(), 1);
        QVERIFY(a.meldungen.first().contains(QStringLiteral("Sie haben das Zeichen {é}")));
        QCOMPARE(a.feld, QStringLiteral("ee\u0301 e"));
        QCOMPARE(a.uebung.zustand().EingabeLaenge, 4);
    }

    // Each trailing wrong character of a paste goes with its own message, last one first; however
    // long the paste, the evaluation never nests deeper than a correction and its check.
    void langerEingefuegterTextOhneTiefeVerschachtelung()
    {
        WerteAnsicht a;
        lektionStarten(a, 1);
        a.tippe(QStringLiteral("ff"));
        const QString muell = QStringLiteral("xy").repeated(5000);
        a.ersetzeFeld(QStringLiteral("ff") + muell);
        QCOMPARE(a.meldungen.size(), 10000);
        QVERIFY(a.meldungen.first().contains(QStringLiteral("Sie haben das Zeichen {y}")));
        QVERIFY(a.meldungen.last().contains(QStringLiteral("Sie haben das Zeichen {x}")));
        QCOMPARE(a.feld, QStringLiteral("ff"));
        QCOMPARE(a.meinText, QStringLiteral("_ff"));
        QCOMPARE(a.uebung.zustand().FehlerZahl, 10000);
        QCOMPARE(a.fehlerTaste, QStringLiteral("F.:  10000"));
        QVERIFY2(a.verschachtelung <= 2, qPrintable(QString::number(a.verschachtelung)));

        // Wrong characters ending in a right one stay, as typed.
        a.ersetzeFeld(QStringLiteral("ffxf"));
        QCOMPARE(a.feld, QStringLiteral("ffxf"));
        QCOMPARE(a.meldungen.size(), 10000);
    }

    void zuLangeEingabeWarntBeiJederTaste()
    {
        WerteAnsicht a;
        a.uebung.startzeileSetzen();
        a.feld = QString(71, QLatin1Char('x'));
        a.uebung.FELD_KeyDown();
        QVERIFY(a.meldungen.isEmpty());
        a.feld = QString(72, QLatin1Char('x'));
        a.uebung.FELD_KeyDown();
        a.uebung.FELD_KeyDown();
        QCOMPARE(a.meldungen,
                 QStringList({QStringLiteral("TEXT ZU LANG"), QStringLiteral("TEXT ZU LANG")}));
    }
};

QTEST_GUILESS_MAIN(TstUebung)
#include "tst_uebung.moc"

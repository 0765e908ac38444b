// The exercise without widgets: line serving at its edges, and input that the keyboard rarely
// produces (counters at their limit, characters outside the BMP, decomposed accents).

#include "Uebungsprobe.h"
#include "engine/Zaehler.h"
#include "lessons/Kurs.h"

#include <QtTest>

class TstUebung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ersteZeile()
    {
        Uebungsprobe a;
        a.starteLektion(1);
        QCOMPARE(a.zeile, QStringLiteral("ffff ffff ffff ffff ffff ffff ffff ffff ffff"));
        QCOMPARE(a.lektion, 1);
        QCOMPARE(a.positionZeile, 1);
        QCOMPARE(a.uebung.zustand().LektionText, QStringLiteral("1"));
        QCOMPARE(a.uebung.zustand().ZeileNr, 2);
        QVERIFY(a.fokus);
    }

    void letzteZeileDerLetztenLektion()
    {
        Uebungsprobe a;
        a.starteLektion(30);
        for (int z = 1; z <= 14; ++z)
            a.tippeZeile(Kurs::zeile(30, z));
        QCOMPARE(a.zeile, Kurs::zeile(30, 15));
        QCOMPARE(a.lektion, 30);
        QCOMPARE(a.positionZeile, 15);
        QCOMPARE(a.uebung.zustand().ZeileNr, 16);
    }

    // Wiederholen on the first line asks for line 0: nothing is shown, line 1 stays.
    void zeileNullNachWiederholen()
    {
        Uebungsprobe a;
        a.starteLektion(4);
        a.uebung.Wiederholen_Click();
        QCOMPARE(a.positionZeile, 0);
        QCOMPARE(a.zeile, Kurs::zeile(4, 1));
        QCOMPARE(a.uebung.zustand().ZeileNr, 1);
    }

    // The instruction typed as a line leads into lesson 15.
    void startlektion()
    {
        Uebungsprobe a;
        a.uebung.startwerteSetzen();
        a.uebung.startzeileSetzen();
        QCOMPARE(a.zeile, Uebung::anleitung());
        a.tippeZeile(Uebung::anleitung());
        QCOMPARE(a.geschafft, 1);
        QCOMPARE(a.lektionText, QString());
        QCOMPARE(a.zeile, Kurs::zeile(15, 1));
        QCOMPARE(a.uebung.zustand().LektionText, QStringLiteral("15"));
    }

    void naechsteZeileOhneFokusBeiGesperrtemFeld()
    {
        Uebungsprobe a;
        a.starteLektion(1);
        a.aktiv = false;
        a.fokus = false;
        a.uebung.NaechsteZeile();
        QCOMPARE(a.zeile, Kurs::zeile(1, 2));
        QVERIFY(!a.fokus);
    }

    // A 16-bit count held at its top instead of turning negative.
    void zaehlerSaettigen()
    {
        Uebungsprobe a;
        a.starteLektion(1);
        for (int i = 0; i < Zaehler::Hoechstwert + 2; ++i)
            a.tippe(QStringLiteral("x"));
        QCOMPARE(a.uebung.zustand().FehlerZahl, Zaehler::Hoechstwert);
        QCOMPARE(a.fehler, Zaehler::Hoechstwert);
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
        Uebungsprobe a;
        a.starteLektion(1);
        const QString emoji = QStringLiteral("\U0001F600");
        a.tippe(QStringLiteral("f"));
        a.ersetzeFeld(QStringLiteral("f") + emoji);
        QCOMPARE(a.falsch, QList<Uebungsprobe::Falsch>({{QStringLiteral("f"), emoji}}));
        QCOMPARE(a.feld, QStringLiteral("f"));
        QCOMPARE(a.eingabe, QStringLiteral("f"));
    }

    // A letter followed by a combining accent is the precomposed letter.
    void zerlegteAkzente()
    {
        Uebungsprobe a;
        a.starteLektion(14);
        QCOMPARE(a.zeile, QStringLiteral("eé eé eé eé a1 a1 a1 eé dé fé gé lé té"));
        a.tippe(QStringLiteral("e"));
        a.tippe(QStringLiteral("e\u0301"));
        QVERIFY(a.falsch.isEmpty());
        QCOMPARE(a.uebung.zustand().EingabeLaenge, 2);

        // An accent landing on a correct letter is wrong; only the accent goes, the letter stays.
        a.tippe(QStringLiteral(" "));
        a.tippe(QStringLiteral("e"));
        a.tippe(QStringLiteral("\u0301"));
        QCOMPARE(a.falsch,
                 QList<Uebungsprobe::Falsch>({{QStringLiteral("e"), QStringLiteral("é")}}));
        QCOMPARE(a.uebung.zustand().EingabeLaenge, 4);
    }

    // However long a paste, the evaluation never nests deeper than a correction and its check.
    void langerEingefuegterTextOhneTiefeVerschachtelung()
    {
        Uebungsprobe a;
        a.starteLektion(1);
        a.tippe(QStringLiteral("ff"));
        a.ersetzeFeld(QStringLiteral("ff") + QStringLiteral("xy").repeated(5000));
        QCOMPARE(a.feld, QStringLiteral("ff"));
        QCOMPARE(a.eingabe, QStringLiteral("ff"));
        QVERIFY2(a.verschachtelung <= 2, qPrintable(QString::number(a.verschachtelung)));
    }

    void zuLangeEingabeWarntBeiJederTaste()
    {
        Uebungsprobe a;
        a.uebung.startzeileSetzen();
        a.feld = QString(71, QLatin1Char('x'));
        a.uebung.FELD_KeyDown();
        QCOMPARE(a.zuLang, 0);
        a.feld = QString(72, QLatin1Char('x'));
        a.uebung.FELD_KeyDown();
        a.uebung.FELD_KeyDown();
        QCOMPARE(a.zuLang, 2);
    }
};

QTEST_GUILESS_MAIN(TstUebung)
#include "tst_uebung.moc"

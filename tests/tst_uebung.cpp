// The exercise without widgets: how a change of the input box is judged, line serving at its
// edges, and input that the keyboard rarely produces (pastes of any length, counters at their
// limit, characters outside the BMP, decomposed accents, arrivals while a message is open).

#include "Uebungsprobe.h"
#include "engine/Eingabepruefung.h"
#include "engine/Zaehler.h"
#include "engine/Zeichenkette.h"
#include "lessons/Kurs.h"

#include <QtTest>

using Falsch = Uebungsprobe::Falsch;

class TstUebung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One change of the box against the line "ffff jjjj" (or "eé eé" for the accents); the
    // columns: what the box held, what it holds now, what stays, the first wrong character as
    // "expected|typed" (empty: none), whether the line is complete.
    void pruefung_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("bisher");
        QTest::addColumn<QString>("jetzt");
        QTest::addColumn<QString>("bleibt");
        QTest::addColumn<QString>("falsch");
        QTest::addColumn<bool>("vollstaendig");
        const QString f = QStringLiteral("ffff jjjj");
        const QString e = QStringLiteral("eé eé");
        auto zeile = [](const char *name, const QString &z, const char *bisher, const char *jetzt,
                        const char *bleibt, const char *falsch, bool voll = false) {
            QTest::newRow(name) << z << QString::fromUtf8(bisher) << QString::fromUtf8(jetzt)
                                << QString::fromUtf8(bleibt) << QString::fromUtf8(falsch) << voll;
        };
        // clang-format off
        zeile("richtiges Zeichen",          f, "ff", "fff", "fff", "");
        zeile("falsches Zeichen",           f, "ff", "ffx", "ff", "f|x");
        zeile("falsches erstes Zeichen",    f, "", "x", "", "f|x");
        zeile("Leerzeichen falsch",         f, "ffff", "fffff", "ffff", " |f");
        zeile("Leerzeichen erwartet",       f, "fff", "fff ", "fff", "f| ");
        zeile("Großbuchstabe falsch",       f, "", "F", "", "f|F");
        zeile("Rücktaste",                  f, "fff", "ff", "ff", "");
        zeile("alles gelöscht",             f, "ffff ", "", "", "");
        zeile("eingefügt: richtig, falsch", f, "", "fffxjj", "fff", "f|x");
        zeile("eingefügt: falsch zuerst",   f, "f", "fxxxf", "f", "f|x");
        zeile("eingefügt: Zeilenumbruch",   f, "ff", "ff\rf", "fff", "");
        zeile("eingefügt: zu lang",         f, "", "ffff jjjjjjjj", "ffff jjjj", "", true);
        zeile("letztes Zeichen",            f, "ffff jjj", "ffff jjjj", "ffff jjjj", "", true);
        zeile("davor eingefügt",            f, "fff", "xfff", "fff", "f|x");
        zeile("davor eingefügt, richtig",   f, "fff", "ffff", "ffff", "");
        zeile("mitten gelöscht",            f, "ffff jj", "ff jj", "ff", "");
        zeile("Auswahl ersetzt",            f, "ffff jj", "ffx jj", "ff", "f|x");
        zeile("Akzent mit Buchstabe",       e, "e", "ee\u0301", "eé", "");
        zeile("Akzent allein",              e, "eé e", "eé e\u0301", "eé e", "e|é");
        zeile("Akzent auf falschem",        e, "", "a\u0301", "", "e|á");
        // clang-format on
        QTest::newRow("Emoji") << f << QStringLiteral("f") << QStringLiteral("f\U0001F600")
                               << QStringLiteral("f") << QStringLiteral("f|\U0001F600") << false;
    }

    void pruefung()
    {
        QFETCH(QString, zeile);
        QFETCH(QString, bisher);
        QFETCH(QString, jetzt);
        QFETCH(QString, bleibt);
        QFETCH(QString, falsch);
        QFETCH(bool, vollstaendig);
        const Eingabepruefung p = Eingabepruefung::pruefe(bisher, jetzt, zeile);
        QCOMPARE(p.angenommen, bleibt);
        QCOMPARE(p.falsch ? p.falsch->erwartet + u'|' + p.falsch->getippt : QString(), falsch);
        QCOMPARE(p.vollstaendig, vollstaendig);
    }

    // However much arrives in one change, one message at most; the box keeps the correct part.
    void einfuegenMeldetEinmal_data()
    {
        QTest::addColumn<QString>("eingefuegt");
        QTest::addColumn<int>("meldungen");
        QTest::addColumn<QString>("bleibt");
        QTest::newRow("drei falsche") << QStringLiteral("xyz") << 1 << QStringLiteral("ff");
        QTest::newRow("falsch, dann richtig")
            << QStringLiteral("xxxf") << 1 << QStringLiteral("ff");
        QTest::newRow("80 f") << QString(80, u'f') << 1 << QStringLiteral("ffff");
        QTest::newRow("ein Megabyte")
            << QStringLiteral("x").repeated(1 << 20) << 1 << QStringLiteral("ff");
        QTest::newRow("die ganze Zeile")
            << Kurs::zeile(1, 1).mid(2) + QStringLiteral("xyz") << 0 << QString();
    }

    void einfuegenMeldetEinmal()
    {
        QFETCH(QString, eingefuegt);
        QFETCH(int, meldungen);
        QFETCH(QString, bleibt);
        Uebungsprobe a;
        a.starteLektion(1);
        a.tippeZeile(QStringLiteral("ff"));
        a.ersetzeFeld(a.feld + eingefuegt);
        QCOMPARE(a.falsch.size(), meldungen);
        QCOMPARE(a.uebung.zustand().FehlerZahl, meldungen);
        QCOMPARE(a.feld, bleibt);
        QCOMPARE(a.cursor, bleibt.size());
        QVERIFY2(a.verschachtelung <= 2, qPrintable(QString::number(a.verschachtelung)));
        if (bleibt.isEmpty())
            QCOMPARE(a.zeile, Kurs::zeile(1, 2)); // the pasted line was complete
    }

    // Before any lesson the box shows a prompt; the first key replaces it, as if it were selected,
    // and is checked against the instruction.
    void aufforderungWirdErsetzt()
    {
        Uebungsprobe a;
        a.feld = QStringLiteral(" Lektion auswählen");
        a.uebung.startwerteSetzen();
        a.uebung.startzeileSetzen();
        a.tippe(QStringLiteral("W"));
        QCOMPARE(a.feld, QStringLiteral("W"));
        QVERIFY(a.falsch.isEmpty());
        a.tippe(QStringLiteral("x"));
        QCOMPARE(a.falsch, QList<Falsch>({{QStringLiteral("a"), QStringLiteral("x")}}));
        QCOMPARE(a.feld, QStringLiteral("W"));

        // A wrong first key: one message, an empty box.
        Uebungsprobe b;
        b.feld = QStringLiteral(" Lektion auswählen");
        b.uebung.startzeileSetzen();
        b.tippe(QStringLiteral("w"));
        QCOMPARE(b.falsch, QList<Falsch>({{QStringLiteral("W"), QStringLiteral("w")}}));
        QCOMPARE(b.feld, QString());
    }

    // What reaches the box while a message is open (keys typed on, an input method's burst) is
    // dropped; what was typed before stays, and no second message follows.
    void waehrendDerMeldungAnkommendes()
    {
        Uebungsprobe a;
        a.starteLektion(1);
        a.tippeZeile(QStringLiteral("ff"));
        a.waehrendDerMeldung = [&a] {
            a.tippe(QStringLiteral("x"));
            a.ersetzeFeld(a.feld + QStringLiteral("éèà"));
            a.tippe(QStringLiteral("f"));
        };
        a.tippe(QStringLiteral("y"));
        QCOMPARE(a.falsch, QList<Falsch>({{QStringLiteral("f"), QStringLiteral("y")}}));
        QCOMPARE(a.feld, QStringLiteral("ff"));
        QCOMPARE(a.cursor, 2);
        QCOMPARE(a.uebung.zustand().FehlerZahl, 1);
        a.tippe(QStringLiteral("f"));
        QCOMPARE(a.feld, QStringLiteral("fff"));
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

    // Text is counted in whole characters: a pair of UTF-16 halves is one, a half on its own is
    // one as well, and nothing is ever cut between the halves of a pair.
    void zeichenketten()
    {
        const QString emoji = QStringLiteral("\U0001F600");
        const QString allein = QString(QChar(0xDC00)); // a lone low half
        QCOMPARE(Zeichenkette::anzahl(QStringLiteral("ab")), 2);
        QCOMPARE(Zeichenkette::anzahl(u'a' + emoji + u'b'), 3);
        QCOMPARE(Zeichenkette::anzahl(allein + u'a'), 2);
        QCOMPARE(Zeichenkette::anzahl(QString(QChar(0xD800)) + u'a'), 2);
        QCOMPARE(Zeichenkette::anfang(u'a' + emoji + u'b', 2), u'a' + emoji);
        QCOMPARE(Zeichenkette::letztes(u'a' + emoji), emoji);
        QCOMPARE(Zeichenkette::letztes(emoji), emoji);
        QCOMPARE(Zeichenkette::breiteAb(emoji, 0), 2);
        QCOMPARE(Zeichenkette::breiteAb(allein, 0), 1);
    }

    void zaehlerFormat()
    {
        QCOMPARE(Zaehler::mitVorzeichen(0), QStringLiteral(" 0"));
        QCOMPARE(Zaehler::mitVorzeichen(1), QStringLiteral(" 1"));
        QCOMPARE(Zaehler::mitVorzeichen(-2), QStringLiteral("-2"));
        QCOMPARE(Zaehler::erhoeht(Zaehler::Hoechstwert), Zaehler::Hoechstwert);
        QCOMPARE(Zaehler::laenge(100000), Zaehler::Hoechstwert);
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

    // Only the instruction before the first lesson is longer than the warning length: its
    // last keys each warn, and still reach the box.
    void zuLangeEingabeWarntBeiJederTaste()
    {
        Uebungsprobe a;
        a.uebung.startzeileSetzen();
        const QString anleitung = Uebung::anleitung();
        a.tippeZeile(anleitung.left(Kurs::Hoechstlaenge));
        QCOMPARE(a.zuLang, 0);
        a.tippe(anleitung.mid(Kurs::Hoechstlaenge, 1));
        a.uebung.FELD_KeyDown();
        QCOMPARE(a.zuLang, 2);
        QCOMPARE(a.feld, anleitung.left(Kurs::Hoechstlaenge + 1));

        // Keys that arrive while the warning is open are dropped; the key that raised it is not.
        a.waehrendDerMeldung = [&a] { a.ersetzeFeld(a.feld + QStringLiteral("xyz")); };
        a.tippe(anleitung.mid(Kurs::Hoechstlaenge + 1, 1));
        QCOMPARE(a.feld, anleitung.left(Kurs::Hoechstlaenge + 2));
        QVERIFY(a.falsch.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstUebung)
#include "tst_uebung.moc"

// The exercise without widgets, as rows: what arrives in the box, and what the exercise then
// shows and says. The lines typed are the course's own; what is judged is how they are judged.

#include "Mitschrift.h"
#include "Sollwerte.h"
#include "engine/Zeichenkette.h"
#include "lessons/Kurs.h"

#include <QtTest>
#include <limits>

Q_DECLARE_METATYPE(Eingabe)

using namespace Qt::StringLiterals;

class TstUebung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // In lesson `lektion` with `vorher` typed key by key, `eingabe` arrives: what the box then
    // shows, the messages it raised ("falsch expected|typed"), the error count, and whether the
    // line was complete (the next one stands then).
    void eingabe_data()
    {
        QTest::addColumn<int>("lektion");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<Eingabe>("eingabe");
        QTest::addColumn<QString>("bleibt");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<bool>("naechsteZeile");
        auto zeile = [](const char *name, int lektion, const QString &vorher, const Eingabe &e,
                        const QString &bleibt, const QStringList &meldungen = {},
                        bool naechste = false) {
            QTest::newRow(name) << lektion << vorher << e << bleibt << meldungen << naechste;
        };
        const auto taste = [](const QString &t) { return Eingabe::taste(t); };
        const auto einfuegen = [](const QString &t) { return Eingabe::einfuegen(t); };
        const QString ffff = QStringLiteral("ffff");
        const QString ganz = Kurs::zeile(1, 1);
        // clang-format off
        zeile("richtiges Zeichen",          1, u"ff"_s,   taste(u"f"_s), u"fff"_s);
        zeile("falsches Zeichen",           1, u"ff"_s,   taste(u"x"_s), u"ff"_s, {u"falsch f|x"_s});
        zeile("falsches erstes Zeichen",    1, u""_s,     taste(u"x"_s), u""_s, {u"falsch f|x"_s});
        zeile("Leerzeichen falsch",         1, ffff,   taste(u"f"_s), ffff, {u"falsch  |f"_s});
        zeile("Leerzeichen erwartet",       1, u"fff"_s,  taste(u" "_s), u"fff"_s, {u"falsch f| "_s});
        zeile("Großbuchstabe falsch",       1, u""_s,     taste(u"F"_s), u""_s, {u"falsch f|F"_s});
        zeile("Rücktaste",                  1, u"fff"_s,  Eingabe::ruecktaste(), u"ff"_s);
        zeile("Rücktaste im leeren Feld",   1, u""_s,     Eingabe::ruecktaste(), u""_s);
        zeile("Taste ohne Zeichen",         1, u"ff"_s,   taste(u""_s), u"ff"_s);
        zeile("Eingabetaste",               1, u"ff"_s,   taste(u"\r"_s), u"ff"_s);
        zeile("eingefügt: richtig, falsch", 1, u""_s,     einfuegen(u"fffxjj"_s), u"fff"_s, {u"falsch f|x"_s});
        zeile("eingefügt: falsch zuerst",   1, u"f"_s,    einfuegen(u"xxxf"_s), u"f"_s, {u"falsch f|x"_s});
        zeile("eingefügt: ein Megabyte",    1, u"ff"_s,   einfuegen(QString(1 << 20, u'x')), u"ff"_s, {u"falsch f|x"_s});
        zeile("eingefügt: Zeilenumbrüche",  1, u"ff"_s,   einfuegen(u"f\r\nf"_s), ffff);
        zeile("eingefügt: Zeile und mehr",  1, u"f"_s,    einfuegen(ganz.mid(1) + u"xyz"_s), u""_s, {}, true);
        zeile("letztes Zeichen",            1, ganz.chopped(1), taste(ganz.right(1)), u""_s, {}, true);
        zeile("umgeschrieben bis zum Ende", 1, u"fff"_s,  Eingabe{true, 1, u"ff"_s}, ffff);
        zeile("mehr zurück als da ist",     1, u"f"_s,    Eingabe{false, 5, u"f"_s}, u"f"_s);
        zeile("Emoji",                      1, u"f"_s,    taste(u"\U0001F600"_s), u"f"_s, {u"falsch f|\U0001F600"_s});
        zeile("Akzent mit Buchstabe",      14, u"e"_s,    taste(u"e\u0301"_s), u"eé"_s);
        zeile("Akzent allein",             14, u"eé e"_s, taste(u"\u0301"_s), u"eé e"_s, {u"falsch e|é"_s});
        zeile("Akzent auf falschem",       14, u""_s,     taste(u"a\u0301"_s), u""_s, {u"falsch e|á"_s});
        // clang-format on
    }

    void eingabe()
    {
        QFETCH(int, lektion);
        QFETCH(QString, vorher);
        QFETCH(Eingabe, eingabe);
        QFETCH(QString, bleibt);
        QFETCH(QStringList, meldungen);
        QFETCH(bool, naechsteZeile);
        Mitschrift m;
        m.starteLektion(lektion);
        m.tippe(vorher);
        QVERIFY(m.meldungen.isEmpty());
        m.tippe(eingabe);
        QCOMPARE(m.eingabe, bleibt);
        QCOMPARE(m.uebung.eingabe(), bleibt);
        QCOMPARE(m.meldungen, meldungen);
        QCOMPARE(m.fehler, meldungen.size());
        QCOMPARE(m.zeileNr, naechsteZeile ? 2 : 1);
        QCOMPARE(m.fehlerfrei, naechsteZeile ? 1 : 0);
    }

    // Before any lesson the box shows a prompt; whatever arrives first replaces it, as if it
    // were selected, and is checked against the instruction.
    void aufforderungWirdErsetzt_data()
    {
        QTest::addColumn<Eingabe>("erste");
        QTest::addColumn<QString>("bleibt");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("richtig") << Eingabe::taste(QStringLiteral("W")) << QStringLiteral("W")
                                 << QStringList();
        QTest::newRow("falsch") << Eingabe::taste(QStringLiteral("w")) << QString()
                                << QStringList{QStringLiteral("falsch W|w")};
        QTest::newRow("Rücktaste") << Eingabe::ruecktaste() << QString() << QStringList();
        QTest::newRow("eingefügt")
            << Eingabe::einfuegen(u"Was x"_s) << u"Was "_s << QStringList{u"falsch h|x"_s};
    }

    void aufforderungWirdErsetzt()
    {
        QFETCH(Eingabe, erste);
        QFETCH(QString, bleibt);
        QFETCH(QStringList, meldungen);
        Mitschrift m;
        m.uebung.starten();
        QCOMPARE(m.zeile, Sollwerte::Anleitung);
        m.tippe(Eingabe::taste()); // a key of no character keeps the prompt
        QVERIFY(!m.protokoll.join(u'\n').contains(u"eingabe"));
        m.tippe(erste);
        QVERIFY(m.protokoll.contains(QStringLiteral("eingabe ") + bleibt));
        QCOMPARE(m.eingabe, bleibt);
        QCOMPARE(m.meldungen, meldungen);
    }

    // Typing the instruction as if it were a line leads into lesson 15, before any lesson has
    // given the title its number.
    void anleitungFuehrtZuLektion15()
    {
        Mitschrift m;
        m.uebung.starten();
        m.tippe(Sollwerte::Anleitung);
        QVERIFY(m.protokoll.contains(QStringLiteral("geschafft  1")));
        QCOMPARE(m.zeile, Kurs::zeile(15, 1));
        QCOMPARE(m.lektion, 15);
        QCOMPARE(m.zeileNr, 1);
    }

    // Whatever reaches the exercise while a message waits for the learner does not count: keys
    // typed on, an input method's burst, a paste, a key going down at full length. Meanwhile the
    // box shows a wrong character after the correct beginning and the count waits for the
    // confirmation; then the character is gone, and no second message opened on top of the first.
    void waehrendDerMeldungZaehltNichts_data()
    {
        QTest::addColumn<int>("vorBeginn"); // characters of the instruction typed before
        QTest::addColumn<QString>("ausloeser");
        QTest::addColumn<QStringList>("meldungen");
        QTest::addColumn<QString>("waehrenddessen"); // what the box shows while it is open
        const QString &a = Sollwerte::Anleitung;
        const int lang = Sollwerte::Warnlaenge;
        QTest::newRow("falsches Zeichen")
            << 2 << u"y"_s << QStringList{u"falsch s|y"_s} << a.left(2) + u'y';
        QTest::newRow("zu lang") << lang << QString() << QStringList{u"zu lang"_s} << a.left(lang);
    }

    void waehrendDerMeldungZaehltNichts()
    {
        QFETCH(int, vorBeginn);
        QFETCH(QString, ausloeser);
        QFETCH(QStringList, meldungen);
        QFETCH(QString, waehrenddessen);
        Mitschrift m;
        m.uebung.starten();
        const QString &anleitung = Sollwerte::Anleitung;
        m.tippe(anleitung.left(vorBeginn));
        QString imFeld;
        int gezaehlt = -1;
        m.waehrendDerMeldung = [&] {
            imFeld = m.eingabe;
            gezaehlt = m.fehler;
            m.tippe(anleitung.mid(vorBeginn, 1));
            m.tippe(QStringLiteral("x"));
            m.tippe(Eingabe::einfuegen(QStringLiteral("éèà")));
            m.tippe(Eingabe::taste());
            m.tippe(Eingabe::taste());
            m.uebung.zeileWiederholen();
        };
        m.tippe(Eingabe::taste(ausloeser));
        QCOMPARE(imFeld, waehrenddessen);
        QCOMPARE(gezaehlt, 0);
        QCOMPARE(m.meldungen, meldungen);
        QCOMPARE(m.fehler, int(meldungen.filter(u"falsch"_s).size()));
        QCOMPARE(m.eingabe, anleitung.left(vorBeginn));
        QCOMPARE(m.zeile, anleitung);
        // Confirmed, typing goes on where it stood.
        m.meldungen.clear();
        m.tippe(Eingabe::einfuegen(anleitung.mid(vorBeginn, 1)));
        QCOMPARE(m.eingabe, anleitung.left(vorBeginn + 1));
    }

    // Only the instruction before the first lesson is longer than the warning length: from
    // there on every key warns, a dead key (a key of no character) as much as any, and the key
    // that raised the warning still lands once it is confirmed.
    void zuLangWarntBeiJederTaste()
    {
        Mitschrift m;
        m.uebung.starten();
        const QString &anleitung = Sollwerte::Anleitung;
        m.tippe(anleitung.left(Sollwerte::Warnlaenge - 1));
        m.tippe(Eingabe::taste());
        QVERIFY(m.meldungen.isEmpty());
        m.tippe(anleitung.mid(Sollwerte::Warnlaenge - 1, 1));
        QVERIFY(m.meldungen.isEmpty());
        m.tippe(Eingabe::taste());
        m.tippe(anleitung.mid(Sollwerte::Warnlaenge, 1));
        m.tippe(Eingabe::einfuegen(QStringLiteral("x"))); // a paste is no key
        QCOMPARE(m.meldungen, QStringList({u"zu lang"_s, u"zu lang"_s, u"falsch t|x"_s}));
        QCOMPARE(m.eingabe, anleitung.left(Sollwerte::Warnlaenge + 1));
    }

    // After the last line the lesson is over: nothing typed counts, and there is no line to go
    // back to, until the next lesson is chosen.
    void lektionsende()
    {
        Mitschrift m;
        m.starteLektion(30);
        for (int z = 1; z <= 14; ++z)
            m.tippe(Kurs::zeile(30, z));
        QCOMPARE(m.zeile, Kurs::zeile(30, 15));
        QCOMPARE(m.lektion, 30);
        QCOMPARE(m.zeileNr, 15);
        m.protokoll.clear();
        m.tippe(Kurs::zeile(30, 15));
        QCOMPARE(m.protokoll.mid(m.protokoll.size() - 3),
                 QStringList({u"eingabe "_s, u"wiederholen 0"_s, u"beendet"_s}));
        QVERIFY(!m.uebung.nimmtEingabenAn());
        QVERIFY(m.uebung.zeile().isEmpty());
        m.protokoll.clear();
        m.tippe(QStringLiteral("x"));
        m.tippe(Eingabe::einfuegen(QStringLiteral("So")));
        m.uebung.zeileWiederholen();
        QVERIFY2(m.protokoll.isEmpty(), qPrintable(m.protokoll.join(u'\n')));
        m.uebung.lektionWaehlen(1);
        QVERIFY(m.uebung.nimmtEingabenAn());
        // The box drops the select-lesson prompt it showed.
        QVERIFY(m.protokoll.contains(u"eingabe "_s));
        QCOMPARE(m.zeile, Kurs::zeile(1, 1));
    }

    // One line back: from line 5 to 4, twice from 5 to 3, on line 1 to line 1 again, which
    // then has to be typed twice; the box is emptied, and from there the lesson goes on line by
    // line.
    void wiederholen_data()
    {
        QTest::addColumn<int>("aufZeile");
        QTest::addColumn<int>("mal");
        QTest::addColumn<int>("dann");
        QTest::addColumn<int>("positionDanach"); // the lesson indicator's line
        QTest::addColumn<int>("folgt");          // the line after the one stepped back to
        QTest::newRow("Zeile 5") << 5 << 1 << 4 << 4 << 5;
        QTest::newRow("Zeile 5, zweimal") << 5 << 2 << 3 << 3 << 4;
        QTest::newRow("Zeile 1") << 1 << 1 << 1 << 0 << 1;
    }

    void wiederholen()
    {
        QFETCH(int, aufZeile);
        QFETCH(int, mal);
        QFETCH(int, dann);
        QFETCH(int, positionDanach);
        QFETCH(int, folgt);
        Mitschrift m;
        m.starteLektion(1);
        for (int z = 1; z < aufZeile; ++z)
            m.tippe(Kurs::zeile(1, z));
        m.tippe(QStringLiteral("f"));
        for (int i = 0; i < mal; ++i)
            m.uebung.zeileWiederholen();
        QCOMPARE(m.zeile, Kurs::zeile(1, dann));
        QCOMPARE(m.zeileNr, positionDanach);
        QCOMPARE(m.eingabe, QString());
        m.tippe(Kurs::zeile(1, dann));
        QCOMPARE(m.zeile, Kurs::zeile(1, folgt));
    }

    // Right after a completed line the box is empty; stepping back leaves it so and never shows
    // the finished line again.
    void wiederholenNachGeschafft()
    {
        Mitschrift m;
        m.starteLektion(1);
        m.tippe(Kurs::zeile(1, 1));
        m.protokoll.clear();
        m.uebung.zeileWiederholen();
        QCOMPARE(m.eingabe, QString());
        QVERIFY2(!m.protokoll.contains(QStringLiteral("eingabe ") + Kurs::zeile(1, 1)),
                 qPrintable(m.protokoll.join(u'\n')));
        QCOMPARE(m.zeile, Kurs::zeile(1, 1));
    }

    // A lesson choice starts the title's count of lines anew and keeps the error count; the
    // error button sets it to 0.
    void zaehler()
    {
        Mitschrift m;
        m.starteLektion(1);
        m.tippe(QStringLiteral("xx"));
        m.tippe(Kurs::zeile(1, 1));
        QCOMPARE(m.fehler, 2);
        QCOMPARE(m.fehlerfrei, 1);
        m.uebung.lektionWaehlen(2);
        m.tippe(Kurs::zeile(2, 1));
        QVERIFY(m.protokoll.contains(QStringLiteral("geschafft 2 1")));
        m.tippe(QStringLiteral("x"));
        QCOMPARE(m.fehler, 3);
        m.uebung.fehlerZuruecksetzen();
        QCOMPARE(m.protokoll.last(), QStringLiteral("fehler zurück"));
        m.tippe(QStringLiteral("x"));
        QCOMPARE(m.fehler, 1);
    }

    // A 16-bit count held at its top instead of turning negative.
    void zaehlerSaettigen()
    {
        Mitschrift m;
        m.starteLektion(1);
        constexpr int hoechstens = std::numeric_limits<qint16>::max();
        for (int i = 0; i < hoechstens + 2; ++i)
            m.tippe(Eingabe::taste(QStringLiteral("x")));
        QCOMPARE(m.fehler, hoechstens);
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
};

QTEST_GUILESS_MAIN(TstUebung)
#include "tst_uebung.moc"

// The exercise through the real main window: lesson choice, typing, errors, progress, repeat
// and the lesson's end. Message boxes are recorded, never shown.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "Tippen.h"
#include "engine/Uebung.h"
#include "lessons/Kurs.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class TstHauptfensterUebung : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptfensterprobe> p;
    Testumgebung *u = nullptr;

    QStringList meldungstexte() const
    {
        QStringList t;
        for (const auto &m : u->meldungen.eintraege)
            t << m.text;
        return t;
    }
    void lektion(int nr) { p->lektion(nr); }
    void tippe(const QString &t) { Tippen::text(p->feld(), t); }
    void tippeZeilen(int lektionNr, int von, int bis)
    {
        for (int z = von; z <= bis; ++z)
            tippe(Kurs::zeile(lektionNr, z));
    }
    QString beschriftung(const char *name) const
    {
        return p->ctrl<QLabel>(QLatin1String(name))->text();
    }
    QAbstractButton *knopf(const char *name) const
    {
        return p->ctrl<QAbstractButton>(QLatin1String(name));
    }
    const Uebungszustand &zustand() const { return p->fenster().uebung().zustand(); }
    QString titel() const { return p->fenster().windowTitle(); }

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Hauptfensterprobe>();
        u = &p->umgebung;
        p->zeige();
    }
    void cleanup() { p.reset(); }

    void startzustand()
    {
        const Uebungszustand &z = zustand();
        QCOMPARE(z.LektionNr, 14);
        QCOMPARE(z.ZeileNr, 1);
        QCOMPARE(z.FehlerZahl, 0);
        QCOMPARE(z.FehlerfreiZahl, 0);
        QVERIFY(z.LektionText.isEmpty());
        QCOMPARE(beschriftung("TextFeld"), Uebung::anleitung());
        QCOMPARE(p->feld()->text(), QStringLiteral(" Lektion auswählen"));
        QVERIFY(p->feld()->isEnabled());
        QCOMPARE(beschriftung("Text"), QStringLiteral("TEXT ZUR LEKTION"));
        QCOMPARE(beschriftung("FelD2"), QStringLiteral("Lektion"));
        QCOMPARE(beschriftung("MeinText"), QStringLiteral("_"));
        QCOMPARE(knopf("FehlerTaste")->text(), QStringLiteral("Fehler &0"));
        QVERIFY(knopf("Wiederholen")->isVisible());
        // Before any lesson, a click on Wiederholen changes nothing.
        knopf("Wiederholen")->click();
        QCOMPARE(zustand().ZeileNr, 1);
        QCOMPARE(beschriftung("TextFeld"), Uebung::anleitung());
    }

    // Typing the instruction text as if it were a line leads into lesson 15.
    void anleitungVorDerWahl()
    {
        p->feld()->clear();
        tippe(Uebung::anleitung());
        // The instruction is longer than the warning length: only warnings, no wrong character.
        QCOMPARE(u->meldungen.eintraege.size(), Uebung::anleitung().size() - Kurs::Hoechstlaenge);
        for (const auto &m : u->meldungen.eintraege)
            QCOMPARE(m.text, QStringLiteral("TEXT ZU LANG"));
        QCOMPARE(titel(), QStringLiteral("Lektion: - Fehlerfrei:  1 von 15 Reihen."));
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(15, 1));
        QCOMPARE(zustand().LektionText, QStringLiteral("15"));
        QCOMPARE(zustand().ZeileNr, 2);
    }

    void lektionWaehlen()
    {
        lektion(1);
        QCOMPARE(zustand().LektionNr, 0);
        QCOMPARE(zustand().ZeileNr, 2);
        QCOMPARE(beschriftung("TextFeld"),
                 QStringLiteral("ffff ffff ffff ffff ffff ffff ffff ffff ffff"));
        QCOMPARE(beschriftung("FelD2"), QStringLiteral("Lekt.: 1, Zeile:  1"));
        QVERIFY(beschriftung("Text").startsWith(QStringLiteral("Grundstellung: ")));
        QVERIFY(p->feld()->text().isEmpty());
        QVERIFY(p->feld()->isEnabled());
        QVERIFY(p->feld()->hasFocus());
        QVERIFY(knopf("Wiederholen")->isVisible());
        QCOMPARE(beschriftung("MeinText"), QStringLiteral("_"));

        lektion(11);
        QCOMPARE(zustand().LektionNr, 10);
        lektion(30);
        QCOMPARE(zustand().LektionNr, 29);
        // The title is the business of completed lines only.
        QCOMPARE(titel(),
                 QStringLiteral("10-Finger Fingalo 3  ·  2019 bis 2026  ·  vom Fingalo-Team"));
    }

    void falscheZeichen()
    {
        lektion(1);
        tippe(QStringLiteral("x"));
        QCOMPARE(meldungstexte(),
                 QStringList{Sollwerte::falschesZeichen(QStringLiteral("f"), QStringLiteral("x"))});
        QCOMPARE(u->meldungen.eintraege.first().titel, QStringLiteral("10-Finger Fingalo"));
        QCOMPARE(u->meldungen.eintraege.first().symbol, Meldungen::Symbol::Keins);
        QVERIFY(p->feld()->text().isEmpty());
        QCOMPARE(knopf("FehlerTaste")->text(), QStringLiteral("F.:  1"));
        QCOMPARE(beschriftung("MeinText"), QStringLiteral("_"));

        // A wrong space is named between braces like any other character.
        tippe(QStringLiteral("fff "));
        QCOMPARE(meldungstexte().last(),
                 Sollwerte::falschesZeichen(QStringLiteral("f"), QStringLiteral(" ")));
        QCOMPARE(p->feld()->text(), QStringLiteral("fff"));
        QCOMPARE(beschriftung("MeinText"), QStringLiteral("_fff"));
        QCOMPARE(p->feld()->cursorPosition(), 3);
        QCOMPARE(knopf("FehlerTaste")->text(), QStringLiteral("F.:  2"));

        // Lower case where the line has a capital.
        lektion(2);
        tippe(QStringLiteral("f"));
        QCOMPARE(meldungstexte().last(),
                 Sollwerte::falschesZeichen(QStringLiteral("F"), QStringLiteral("f")));
        QCOMPARE(zustand().FehlerZahl, 3);
    }

    void zeileVollstaendig()
    {
        lektion(1);
        tippeZeilen(1, 1, 1);
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(titel(), QStringLiteral("Lektion: 1- Fehlerfrei:  1 von 15 Reihen."));
        QVERIFY(p->feld()->text().isEmpty());
        QCOMPARE(beschriftung("MeinText"), QStringLiteral("_"));
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(1, 2));
        QCOMPARE(beschriftung("FelD2"), QStringLiteral("Lekt.: 1, Zeile:  2"));
        QCOMPARE(zustand().ZeileNr, 3);
    }

    void lektionsende()
    {
        lektion(2);
        tippeZeilen(2, 1, 15);
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(titel(), QStringLiteral("Lektion: 2- Fehlerfrei:  15 von 15 Reihen."));
        QCOMPARE(p->feld()->text(),
                 QString(40, QLatin1Char(' ')) + QStringLiteral("- Lektion auswählen -"));
        QVERIFY(!p->feld()->isEnabled());
        QCOMPARE(beschriftung("TextFeld"), QStringLiteral("Lektion beendet"));
        QCOMPARE(beschriftung("Text"), QStringLiteral("\n\n--- NEUE LEKTION WÄHLEN ---"));
        QVERIFY(!knopf("Wiederholen")->isVisible());

        // Nothing can be typed any more, and the picture keys leave the focus where it is.
        tippe(QStringLiteral("D"));
        QVERIFY(!p->feld()->text().endsWith(QLatin1Char('D')));
        knopf("ZeigeTasten_0")->setFocus();
        knopf("Command1")->click();
        QVERIFY(knopf("ZeigeTasten_0")->hasFocus());

        // A new choice starts over, and the title counts the new lesson's lines.
        lektion(2);
        QVERIFY(p->feld()->isEnabled());
        QVERIFY(knopf("Wiederholen")->isVisible());
        tippeZeilen(2, 1, 1);
        QCOMPARE(titel(), QStringLiteral("Lektion: 2- Fehlerfrei:  1 von 15 Reihen."));
    }

    // Dead-key letters come from the input method, not as key presses.
    void totetasten()
    {
        lektion(14);
        tippe(QStringLiteral("eé"));
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(p->feld()->text(), QStringLiteral("eé"));
        tippe(QStringLiteral("´"));
        QCOMPARE(meldungstexte(),
                 QStringList{Sollwerte::falschesZeichen(QStringLiteral(" "), QStringLiteral("´"))});
        QCOMPARE(p->feld()->text(), QStringLiteral("eé"));
    }

    void wiederholen()
    {
        lektion(4);
        tippeZeilen(4, 1, 4);
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(4, 5));
        tippe(Kurs::zeile(4, 5).left(3));
        knopf("Wiederholen")->click();
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(4, 4));
        QVERIFY(p->feld()->text().isEmpty());
        QCOMPARE(beschriftung("MeinText"), QStringLiteral("_"));
        QVERIFY(p->feld()->hasFocus());
        tippeZeilen(4, 4, 4);
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(4, 5));

        // Twice in a row: two lines back.
        knopf("Wiederholen")->click();
        knopf("Wiederholen")->click();
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(4, 3));
        tippeZeilen(4, 3, 3);
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(4, 4));
        QCOMPARE(beschriftung("FelD2"), QStringLiteral("Lekt.: 4, Zeile:  4"));
    }

    void wiederholenAufErsterZeile()
    {
        lektion(5);
        knopf("Wiederholen")->click();
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(5, 1));
        QCOMPARE(beschriftung("FelD2"), QStringLiteral("Lekt.: 5, Zeile:  0"));
        tippeZeilen(5, 1, 1);
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(5, 1));
        tippeZeilen(5, 1, 1);
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(5, 2));
        QCOMPARE(zustand().FehlerfreiZahl, 2);
    }

    void fehlerzaehler()
    {
        lektion(1);
        tippe(QStringLiteral("xyz"));
        QCOMPARE(knopf("FehlerTaste")->text(), QStringLiteral("F.:  3"));
        QTest::mouseClick(knopf("FehlerTaste"), Qt::LeftButton);
        QCOMPARE(knopf("FehlerTaste")->text(), QStringLiteral("0"));
        QCOMPARE(zustand().FehlerZahl, 0);
        QVERIFY(!p->feld()->hasFocus());
        tippe(QStringLiteral("x"));
        QCOMPARE(knopf("FehlerTaste")->text(), QStringLiteral("F.:  1"));

        // A lesson change in the middle keeps the count.
        tippeZeilen(1, 1, 2);
        lektion(5);
        QCOMPARE(zustand().FehlerZahl, 1);
        QCOMPARE(knopf("FehlerTaste")->text(), QStringLiteral("F.:  1"));
        QCOMPARE(beschriftung("TextFeld"), Kurs::zeile(5, 1));
        QCOMPARE(zustand().ZeileNr, 2);
    }

    void kleineBedienelemente()
    {
        lektion(1);
        knopf("ZeigeTasten_0")->setFocus();
        for (const char *name : {"Command1", "Command2", "Command3"}) {
            knopf("ZeigeTasten_0")->setFocus();
            knopf(name)->click();
            QVERIFY(p->feld()->hasFocus());
        }
        // Only a left click on the explanation turns it navy.
        QWidget *text = p->ctrl(QStringLiteral("Text"));
        QTest::mouseClick(text, Qt::RightButton);
        QCOMPARE(text->palette().color(QPalette::WindowText), QColor(0x80, 0, 0x80));
        QTest::mousePress(text, Qt::LeftButton);
        QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(-5, -5)); // let go outside
        QCOMPARE(text->palette().color(QPalette::WindowText), QColor(0x80, 0, 0x80));
        QTest::mouseClick(text, Qt::LeftButton);
        QCOMPARE(text->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));

        // A click into the input box brings the focus back there.
        knopf("ZeigeTasten_0")->setFocus();
        QTest::mouseClick(p->feld(), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(p->feld()->hasFocus());

        QVERIFY(p->fenster().isVisible());
        knopf("EndE")->click();
        QVERIFY(!p->fenster().isVisible());
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }
};

QTEST_MAIN(TstHauptfensterUebung)
#include "tst_hauptfenster_uebung.moc"

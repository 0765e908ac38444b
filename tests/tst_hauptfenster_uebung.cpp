// The exercise through the real main window: lesson choice, typing, errors, progress, repeat
// and the lesson's end. Message boxes are recorded, never shown.

#include "Fakes.h"
#include "Tippen.h"
#include "engine/Uebung.h"
#include "lessons/Lektionstexte.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "main_window/Knopf.h"
#include "main_window/tippen.h"
#include "util/Formelement.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class TstHauptfensterUebung : public QObject
{
    Q_OBJECT

    std::unique_ptr<Testumgebung> u;
    std::unique_ptr<tippen> f;

    QStringList meldungstexte() const
    {
        QStringList t;
        for (const auto &m : u->meldungen.eintraege)
            t << m.text;
        return t;
    }
    void lektion(int nr)
    {
        if (nr <= 10)
            f->Lektion1[nr - 1]->trigger();
        else if (nr <= 20)
            f->Lektion2[nr - 11]->trigger();
        else
            f->Lektion3[nr - 21]->trigger();
    }
    void tippe(const QString &t) { Tippen::text(f->FELD, t); }
    void tippeZeilen(int lektionNr, int von, int bis)
    {
        for (int z = von; z <= bis; ++z)
            tippe(Lektionstexte::zeile(lektionNr, z));
    }
    static QString falschMeldung(const QString &erwartet, const QString &getippt)
    {
        return QStringLiteral(
                   "Es sollte das Zeichen {%1} eingegeben werden.\rSie haben das Zeichen {%2} "
                   "eingegeben.\r\rBitte geben Sie das richtige Zeichen ein. Nehmen Sie den "
                   "richtigen Finger und ...\r... vorher mit dem rechten kleinen Finger die "
                   "Eingabetaste betätigen um dieses OK zu bestätigen.")
            .arg(erwartet, getippt);
    }

private Q_SLOTS:
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

    void startzustand()
    {
        const Uebungszustand &z = f->zustand();
        QCOMPARE(z.LektionNr, 14);
        QCOMPARE(z.ZeileNr, 1);
        QCOMPARE(z.FehlerZahl, 0);
        QCOMPARE(z.FehlerfreiZahl, 0);
        QVERIFY(z.LektionText.isEmpty());
        QCOMPARE(f->TextFeld->text(), Uebung::anleitung());
        QCOMPARE(f->FELD->text(), QStringLiteral(" Lektion auswählen"));
        QVERIFY(f->FELD->isEnabled());
        QCOMPARE(f->Text->text(), QStringLiteral("TEXT ZUR LEKTION"));
        QCOMPARE(f->FelD2->text(), QStringLiteral("Lektion"));
        QCOMPARE(f->MeinText->text(), QStringLiteral("_"));
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("Fehler &0"));
        QVERIFY(f->Wiederholen->isVisible());
        // Before any lesson, a click on Wiederholen changes nothing.
        f->Wiederholen->click();
        QCOMPARE(f->zustand().ZeileNr, 1);
        QCOMPARE(f->TextFeld->text(), Uebung::anleitung());
    }

    // Typing the instruction text as if it were a line leads into lesson 15.
    void anleitungVorDerWahl()
    {
        f->FELD->clear();
        tippe(Uebung::anleitung());
        // The instruction is longer than the warning length: only warnings, no wrong character.
        QCOMPARE(u->meldungen.eintraege.size(), Uebung::anleitung().size() - Uebung::Warnlaenge);
        for (const auto &m : u->meldungen.eintraege)
            QCOMPARE(m.text, QStringLiteral("TEXT ZU LANG"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Lektion: - Fehlerfrei:  1 von 15 Reihen."));
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(15, 1));
        QCOMPARE(f->zustand().LektionText, QStringLiteral("15"));
        QCOMPARE(f->zustand().ZeileNr, 2);
    }

    void lektionWaehlen()
    {
        lektion(1);
        QCOMPARE(f->zustand().LektionNr, 0);
        QCOMPARE(f->zustand().ZeileNr, 2);
        QCOMPARE(f->TextFeld->text(),
                 QStringLiteral("ffff ffff ffff ffff ffff ffff ffff ffff ffff"));
        QCOMPARE(f->FelD2->text(), QStringLiteral("Lekt.: 1, Zeile:  1"));
        QVERIFY(f->Text->text().startsWith(QStringLiteral("Grundstellung: ")));
        QVERIFY(f->FELD->text().isEmpty());
        QVERIFY(f->FELD->isEnabled());
        QVERIFY(f->FELD->hasFocus());
        QVERIFY(f->Wiederholen->isVisible());
        QCOMPARE(f->MeinText->text(), QStringLiteral("_"));

        lektion(3);
        QCOMPARE(
            f->Text->text(),
            QStringLiteral("Zusätzliche Tasten für die Zeigefinger: gh.\nMit Umschalttaste: GH."));
        lektion(11);
        QCOMPARE(f->zustand().LektionNr, 10);
        lektion(30);
        QCOMPARE(f->zustand().LektionNr, 29);
        QVERIFY(f->Text->text().startsWith(QStringLiteral("Alle Zeichen wurden gelernt.")));
        // The title is the business of completed lines only.
        QCOMPARE(f->windowTitle(),
                 QStringLiteral("10-Finger Fingalo 3  ·  2019 bis 2026  ·  vom Fingalo-Team"));
    }

    void falscheZeichen()
    {
        lektion(1);
        tippe(QStringLiteral("x"));
        QCOMPARE(meldungstexte(),
                 QStringList{falschMeldung(QStringLiteral("f"), QStringLiteral("x"))});
        QCOMPARE(u->meldungen.eintraege.first().titel, QStringLiteral("10-Finger Fingalo"));
        QCOMPARE(u->meldungen.eintraege.first().symbol, Meldungen::Symbol::Keins);
        QVERIFY(f->FELD->text().isEmpty());
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("F.:  1"));
        QCOMPARE(f->MeinText->text(), QStringLiteral("_"));

        // A wrong space is named between braces like any other character.
        tippe(QStringLiteral("fff "));
        QCOMPARE(meldungstexte().last(), falschMeldung(QStringLiteral("f"), QStringLiteral(" ")));
        QCOMPARE(f->FELD->text(), QStringLiteral("fff"));
        QCOMPARE(f->MeinText->text(), QStringLiteral("_fff"));
        QCOMPARE(f->FELD->cursorPosition(), 3);
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("F.:  2"));

        // Lower case where the line has a capital.
        lektion(2);
        tippe(QStringLiteral("f"));
        QCOMPARE(meldungstexte().last(), falschMeldung(QStringLiteral("F"), QStringLiteral("f")));
        QCOMPARE(f->zustand().FehlerZahl, 3);
    }

    void zeileVollstaendig()
    {
        lektion(1);
        tippeZeilen(1, 1, 1);
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(f->windowTitle(), QStringLiteral("Lektion: 1- Fehlerfrei:  1 von 15 Reihen."));
        QVERIFY(f->FELD->text().isEmpty());
        QCOMPARE(f->MeinText->text(), QStringLiteral("_"));
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(1, 2));
        QCOMPARE(f->FelD2->text(), QStringLiteral("Lekt.: 1, Zeile:  2"));
        QCOMPARE(f->zustand().ZeileNr, 3);
    }

    void lektionsende()
    {
        lektion(2);
        tippeZeilen(2, 1, 15);
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(f->windowTitle(), QStringLiteral("Lektion: 2- Fehlerfrei:  15 von 15 Reihen."));
        QCOMPARE(f->FELD->text(),
                 QString(40, QLatin1Char(' ')) + QStringLiteral("- Lektion auswählen -"));
        QVERIFY(!f->FELD->isEnabled());
        QCOMPARE(f->TextFeld->text(), QStringLiteral("Lektion beendet"));
        QCOMPARE(f->Text->text(), QStringLiteral("\n\n--- NEUE LEKTION WÄHLEN ---"));
        QVERIFY(!f->Wiederholen->isVisible());

        // Nothing can be typed any more, and the picture keys leave the focus alone.
        tippe(QStringLiteral("D"));
        QVERIFY(!f->FELD->text().endsWith(QLatin1Char('D')));
        f->ZeigeTasten[0]->setFocus();
        f->Command1->click();
        QVERIFY(!f->FELD->hasFocus());

        // A new choice starts over, and the title counts the new lesson's lines.
        lektion(2);
        QVERIFY(f->FELD->isEnabled());
        QVERIFY(f->Wiederholen->isVisible());
        tippeZeilen(2, 1, 1);
        QCOMPARE(f->windowTitle(), QStringLiteral("Lektion: 2- Fehlerfrei:  1 von 15 Reihen."));
    }

    // Editing inside the box can give a line of the right length that is not the line: the next
    // line comes, but nothing is counted and the box is not emptied.
    void gleichLangAberAnders()
    {
        lektion(1);
        const QString zeile = Lektionstexte::zeile(1, 1);
        f->FELD->setText(zeile.left(zeile.size() - 1));
        f->FELD->setCursorPosition(0);
        tippe(QStringLiteral("x"));
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(1, 2));
        QCOMPARE(f->zustand().FehlerfreiZahl, 0);
        QCOMPARE(f->FELD->text(), QLatin1Char('x') + zeile.left(zeile.size() - 1));
        QCOMPARE(f->windowTitle(),
                 QStringLiteral("10-Finger Fingalo 3  ·  2019 bis 2026  ·  vom Fingalo-Team"));
    }

    // Pasted text: trailing wrong characters go one by one, each with its message; a wrong
    // character before a right last one stays.
    void eingefuegterText()
    {
        lektion(1);
        f->FELD->insert(QStringLiteral("ffxy"));
        QCOMPARE(meldungstexte(),
                 QStringList({falschMeldung(QStringLiteral("f"), QStringLiteral("y")),
                              falschMeldung(QStringLiteral("f"), QStringLiteral("x"))}));
        QCOMPARE(f->FELD->text(), QStringLiteral("ff"));
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("F.:  2"));
        QCOMPARE(f->MeinText->text(), QStringLiteral("_ff"));

        f->FELD->insert(QStringLiteral("xf"));
        QCOMPARE(f->FELD->text(), QStringLiteral("ffxf"));
        QCOMPARE(u->meldungen.eintraege.size(), 2);
    }

    void eingabetasteZaehltNicht()
    {
        lektion(1);
        tippe(QStringLiteral("ff"));
        QSignalSpy aenderungen(f->FELD, &QLineEdit::textChanged);
        Tippen::eingabetaste(f->FELD);
        QTest::keyClick(f->FELD, Qt::Key_Enter);
        QCOMPARE(aenderungen.count(), 0);
        QCOMPARE(f->FELD->text(), QStringLiteral("ff"));
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }

    // At 72 characters every key warns, and still reaches the box.
    void zuLangeEingabe()
    {
        lektion(1);
        f->FELD->setText(QString(72, QLatin1Char('f')));
        QVERIFY(u->meldungen.eintraege.isEmpty());
        tippe(QStringLiteral("f"));
        QCOMPARE(meldungstexte(), QStringList{QStringLiteral("TEXT ZU LANG")});
        QCOMPARE(f->FELD->text().size(), 73);
        tippe(QStringLiteral("x"));
        QCOMPARE(meldungstexte().size(), 3);
        QCOMPARE(meldungstexte()[1], QStringLiteral("TEXT ZU LANG"));
        QCOMPARE(meldungstexte()[2], falschMeldung(QStringLiteral("f"), QStringLiteral("x")));
        QCOMPARE(f->FELD->text().size(), 73);
    }

    // Dead-key letters come from the input method, not as key presses.
    void totetasten()
    {
        lektion(14);
        tippe(QStringLiteral("eé"));
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(f->FELD->text(), QStringLiteral("eé"));
        tippe(QStringLiteral("´"));
        QCOMPARE(meldungstexte(),
                 QStringList{falschMeldung(QStringLiteral(" "), QStringLiteral("´"))});
        QCOMPARE(f->FELD->text(), QStringLiteral("eé"));
    }

    void wiederholen()
    {
        lektion(4);
        tippeZeilen(4, 1, 4);
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(4, 5));
        tippe(Lektionstexte::zeile(4, 5).left(3));
        f->Wiederholen->click();
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(4, 4));
        QVERIFY(f->FELD->text().isEmpty());
        QCOMPARE(f->MeinText->text(), QStringLiteral("_"));
        QVERIFY(f->FELD->hasFocus());
        tippeZeilen(4, 4, 4);
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(4, 5));

        // Twice in a row: two lines back.
        f->Wiederholen->click();
        f->Wiederholen->click();
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(4, 3));
        tippeZeilen(4, 3, 3);
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(4, 4));
        QCOMPARE(f->FelD2->text(), QStringLiteral("Lekt.: 4, Zeile:  4"));
    }

    void wiederholenAufErsterZeile()
    {
        lektion(5);
        f->Wiederholen->click();
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(5, 1));
        QCOMPARE(f->FelD2->text(), QStringLiteral("Lekt.: 5, Zeile:  0"));
        tippeZeilen(5, 1, 1);
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(5, 1));
        tippeZeilen(5, 1, 1);
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(5, 2));
        QCOMPARE(f->zustand().FehlerfreiZahl, 2);
    }

    void fehlerzaehler()
    {
        lektion(1);
        tippe(QStringLiteral("xyz"));
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("F.:  3"));
        QTest::mouseClick(f->FehlerTaste, Qt::LeftButton);
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("0"));
        QCOMPARE(f->zustand().FehlerZahl, 0);
        QVERIFY(!f->FELD->hasFocus());
        tippe(QStringLiteral("x"));
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("F.:  1"));

        // A lesson change in the middle keeps the count.
        tippeZeilen(1, 1, 2);
        lektion(5);
        QCOMPARE(f->zustand().FehlerZahl, 1);
        QCOMPARE(f->FehlerTaste->text(), QStringLiteral("F.:  1"));
        QCOMPARE(f->TextFeld->text(), Lektionstexte::zeile(5, 1));
        QCOMPARE(f->zustand().ZeileNr, 2);
    }

    void kleineBedienelemente()
    {
        lektion(1);
        f->ZeigeTasten[0]->setFocus();
        for (Knopf *k : {f->Command1, f->Command2, f->Command3}) {
            f->ZeigeTasten[0]->setFocus();
            k->click();
            QVERIFY(f->FELD->hasFocus());
        }
        QTest::mouseClick(f->Text, Qt::LeftButton);
        QCOMPARE(f->Text->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));

        QVERIFY(f->isVisible());
        f->EndE->click();
        QVERIFY(!f->isVisible());
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }
};

QTEST_MAIN(TstHauptfensterUebung)
#include "tst_hauptfenster_uebung.moc"

// How the main window is reached from the keyboard and the menu bar: the menu tree as it shows,
// and where each Tab sends the focus.

#include "Fensterprobe.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One line per visible item: its depth in two-space steps, its caption and its name. A caption
// of "*" stands for any caption that is not empty (the link items name pages of their own).
QStringList baum(const QList<QAction *> &aktionen, const QString &einzug = {})
{
    QStringList zeilen;
    for (QAction *a : aktionen) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        QString name = a->objectName();
        if (name.isEmpty() && a->menu())
            name = a->menu()->objectName();
        zeilen << QStringLiteral("%1%2 (%3)").arg(einzug, a->text(), name);
        if (a->menu())
            zeilen << baum(a->menu()->actions(), einzug + QStringLiteral("  "));
    }
    return zeilen;
}

QStringList reihe(const QString &feld, std::initializer_list<int> indizes)
{
    QStringList namen;
    for (int i : indizes)
        namen << QStringLiteral("%1_%2").arg(feld).arg(i);
    return namen;
}

} // namespace

class TstHauptfensterBedienung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menues()
    {
        Hauptfensterprobe p;
        QStringList gezeigt = baum(p.feld()->window()->findChild<QMenuBar *>()->actions());
        // clang-format off
        const QStringList soll{
            u"Programm (mnu_Programm)"_s,
            u"  Beenden (mnu_beenden)"_s,
            u"Lektionen (mnu_Lektionen)"_s,
            u"  1-10 (mnu_1bis10)"_s,
            u"    Lek. 01 (Lektion1_0)"_s, u"    Lek. 02 (Lektion1_1)"_s, u"    Lek. 03 (Lektion1_2)"_s, u"    Lek. 04 (Lektion1_3)"_s, u"    Lek. 05 (Lektion1_4)"_s,
            u"    Lek. 06 (Lektion1_5)"_s, u"    Lek. 07 (Lektion1_6)"_s, u"    Lek. 08 (Lektion1_7)"_s, u"    Lek. 09 (Lektion1_8)"_s, u"    Lek. 10 (Lektion1_9)"_s,
            u"  11-20 (mnu_11bis20)"_s,
            u"    Lek. 11 (Lektion2_0)"_s, u"    Lek. 12 (Lektion2_1)"_s, u"    Lek. 13 (Lektion2_2)"_s, u"    Lek. 14 (Lektion2_3)"_s, u"    Lek. 15 (Lektion2_4)"_s,
            u"    Lek. 16 (Lektion2_5)"_s, u"    Lek. 17 (Lektion2_6)"_s, u"    Lek. 18 (Lektion2_7)"_s, u"    Lek. 19 (Lektion2_8)"_s, u"    Lek. 20 (Lektion2_9)"_s,
            u"  21-30 (mnu_21bis30)"_s,
            u"    Lekt. 21 (Lektion3_0)"_s, u"    Lekt. 22 (Lektion3_1)"_s, u"    Lekt. 23 (Lektion3_2)"_s, u"    Lekt. 24 (Lektion3_3)"_s, u"    Lekt. 25 (Lektion3_4)"_s,
            u"    Lekt. 26 (Lektion3_5)"_s, u"    Lekt. 27 (Lektion3_6)"_s, u"    Lekt. 28 (Lektion3_7)"_s, u"    Lekt. 29 (Lektion3_8)"_s, u"    Lekt. 30 (Lektion3_9)"_s,
            u"Webseiten (mnu_Webseiten)"_s,
            u"  Musik (mnu_Musik)"_s, u"    * (mnu_Link1)"_s, u"    * (mnu_Link2)"_s,
            u"  Kunst (mnu_kunst)"_s, u"    * (mnu_WendrikWeb)"_s, u"    * (mnu_Link3)"_s,
            u"  Spiele (mnu_Spiele)"_s, u"    * (mnu_Link4)"_s, u"    * (mnu_Link5)"_s,
            u"  kostenlose Software (mnu_Software)"_s, u"    * (mnu_Link6)"_s, u"    * (mnu_Fingalo)"_s, u"    * (mnu_Link7)"_s,
            u"Hilfe (mnu_Hilfe)"_s,
            u"  Kurzanleitung (mnu_Kurzanleitung)"_s,
            u"  Finger im Bild (mnu_FingerBild)"_s,
            u"  Update? (mnu_update)"_s,
            u"    Fingalo Webseite (mnu_Webseite)"_s,
        };
        // clang-format on
        // The link captions are our own; at least they carry no capital inside a word.
        static const QRegularExpression tippfehler(QStringLiteral("\\p{Ll}\\p{Lu}"));
        for (const QString &zeile : std::as_const(gezeigt))
            QVERIFY2(!tippfehler.match(zeile.section(QStringLiteral(" ("), 0, 0)).hasMatch(),
                     qPrintable(zeile));
        QCOMPARE(gezeigt.size(), soll.size());
        for (qsizetype i = 0; i < soll.size(); ++i) {
            if (soll[i].contains(QStringLiteral("* (mnu_"))) {
                QVERIFY2(!gezeigt[i].contains(QStringLiteral("  (")), qPrintable(gezeigt[i]));
                gezeigt[i].replace(QRegularExpression(QStringLiteral("^( *)\\S.* \\(")),
                                   QStringLiteral("\\1* ("));
            }
            QCOMPARE(gezeigt[i], soll[i]);
        }
    }

    // Kept in the "Lektionen" menu, but hidden and disabled, so the learner never meets it.
    void uebungstexteVersteckt()
    {
        Hauptfensterprobe p;
        QAction *uebungstexte = p.menuepunkt(QStringLiteral("mnu_ÜbungsT"));
        QCOMPARE(uebungstexte->text(), QStringLiteral("Übungstexte"));
        QVERIFY(!uebungstexte->isVisible());
        QVERIFY(!uebungstexte->isEnabled());
        QVERIFY(p.menuepunkt(QStringLiteral("mnu_Lektionen"))
                    ->menu()
                    ->actions()
                    .contains(uebungstexte));
        QVERIFY(uebungstexte->menu());
        QStringList texte;
        for (QAction *a : uebungstexte->menu()->actions())
            texte << QStringLiteral("%1 (%2)").arg(a->text(), a->objectName());
        QCOMPARE(texte, QStringList({QStringLiteral("Text 1 (Lektion4_1)"),
                                     QStringLiteral("Text 2 (Lektion4_2)"),
                                     QStringLiteral("Text 3 (Lektion4_3)")}));
    }

    // Tab as the keyboard sends it, through the window, from FELD round to FELD again. Every key
    // button stays in the Tab sequence, so the order is the whole design order.
    void fokusfolge()
    {
        Hauptfensterprobe p;
        p.zeige();
        QTRY_COMPARE(QApplication::focusWidget(), p.feld());
        // clang-format off
        const QStringList soll = QStringList{u"FELD"_s, u"FehlerTaste"_s, u"EndE"_s}
            + reihe(u"Buchstaben"_s, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28})
            + reihe(u"Zahlentasten"_s, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
            + reihe(u"Zeichentaste"_s, {8, 0, 1, 2, 3, 4, 5, 6, 7})
            + QStringList{u"Alttaste"_s, u"Strgtaste_0"_s, u"Strgtaste_1"_s, u"ShiftTaste_0"_s, u"ShiftTaste_1"_s, u"Rücktaste"_s, u"LockTaste"_s, u"LeerTaste_2"_s, u"AltGrTaste"_s, u"TabTaste"_s}
            + reihe(u"Finger"_s, {0, 1, 2, 3, 7, 4, 5, 6})
            + QStringList{u"ZeigeTasten_0"_s, u"ZeigeTasten_1"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s, u"Command4"_s, u"Wiederholen"_s, u"FELD"_s};
        // clang-format on
        QStringList gesehen{QApplication::focusWidget()->objectName()};
        QWindow *fenster = p.feld()->window()->windowHandle();
        while (gesehen.size() < soll.size()) {
            QTest::keyClick(fenster, Qt::Key_Tab);
            gesehen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                    : QStringLiteral("(none)"));
        }
        QCOMPARE(gesehen, soll);
    }
};

QTEST_MAIN(TstHauptfensterBedienung)
#include "tst_hauptfenster_bedienung.moc"

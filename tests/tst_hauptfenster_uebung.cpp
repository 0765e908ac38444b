// The exercise through the real main window, as the learner sees it: what each step shows in the
// captions, the title and the input box, where the focus goes, the whole course typed to its
// ends, and every way of typing reaching the exercise once. How the exercise judges is the
// engine's test; here, that the window shows its judgement. Message boxes are recorded, never
// shown.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "Tippen.h"
#include "lessons/Kurs.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

using namespace Qt::StringLiterals;

// Counts the close requests a window accepted: hiding a window sends none.
class Schliessprobe : public QObject
{
public:
    int angenommen = 0;
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::Close)
            ++angenommen;
        return false;
    }
};

class TstHauptfensterUebung : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptfensterprobe> p;
    Testumgebung *u = nullptr;

    QString text(const char *name) const { return p->text(QLatin1String(name)); }
    QAbstractButton *knopf(const char *name) const
    {
        return p->ctrl<QAbstractButton>(QLatin1String(name));
    }
    QString titel() const { return p->fenster().windowTitle(); }
    QWindow *fenster() const { return p->fenster().windowHandle(); }
    // FELD and the echo under the exercise line agree on what has been typed.
    void pruefeGetippt(const QString &getippt)
    {
        QCOMPARE(p->feld()->text(), getippt);
        QCOMPARE(text("MeinText"), u'_' + getippt);
    }

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Hauptfensterprobe>();
        u = &p->umgebung;
        p->zeige();
        QTRY_VERIFY(p->feld()->hasFocus());
    }
    void cleanup() { p.reset(); }

    // Before any lesson a click on Wiederholen changes nothing; the first key replaces the
    // prompt, from the warning length on every key brings the warning, under the application's
    // title and without an icon, and the instruction typed as a line counts in the title before
    // any lesson has given it a number.
    void vorDerErstenLektion()
    {
        const QString startTitel = titel();
        const QString stand = text("FelD2");
        knopf("Wiederholen")->click();
        QCOMPARE(text("TextFeld"), Sollwerte::Anleitung);
        QCOMPARE(text("FelD2"), stand);
        p->tippe(Sollwerte::Anleitung.left(Sollwerte::Warnlaenge));
        pruefeGetippt(Sollwerte::Anleitung.left(Sollwerte::Warnlaenge));
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(titel(), startTitel);
        p->tippe(Sollwerte::Anleitung.mid(Sollwerte::Warnlaenge));
        QCOMPARE(u->meldungen.eintraege.size(),
                 Sollwerte::Anleitung.size() - Sollwerte::Warnlaenge);
        for (const auto &m : std::as_const(u->meldungen.eintraege)) {
            QCOMPARE(m.text, Sollwerte::ZuLang);
            QCOMPARE(m.titel, Sollwerte::Anwendungstitel);
            QCOMPARE(m.symbol, Meldungen::Symbol::Keins);
        }
        QCOMPARE(titel(), Sollwerte::fortschritt(QString(), 1));
    }

    void lektionWaehlen()
    {
        const QString startTitel = titel();
        knopf("Wiederholen")->setFocus();
        p->lektion(1);
        QCOMPARE(text("TextFeld"), Kurs::zeile(1, 1));
        QCOMPARE(text("FelD2"), Sollwerte::lektionUndZeile(1, 1));
        pruefeGetippt(QString());
        QVERIFY(p->feld()->isEnabled());
        QVERIFY(p->feld()->hasFocus());
        QVERIFY(knopf("Wiederholen")->isVisible());
        p->lektion(30);
        QCOMPARE(text("FelD2"), Sollwerte::lektionUndZeile(30, 1));
        // The title is the business of completed lines only.
        QCOMPARE(titel(), startTitel);
    }

    // A wrong character: the message, the count on the error button, the box and the echo
    // back to the correct beginning.
    void falschesZeichen()
    {
        p->lektion(1);
        p->tippe(u"ffx"_s);
        QCOMPARE(u->meldungen.eintraege.size(), 1);
        QCOMPARE(u->meldungen.eintraege[0].text, Sollwerte::falschesZeichen(u"f"_s, u"x"_s));
        QCOMPARE(u->meldungen.eintraege[0].titel, Sollwerte::Anwendungstitel);
        QCOMPARE(u->meldungen.eintraege[0].symbol, Meldungen::Symbol::Keins);
        QCOMPARE(text("FehlerTaste"), Sollwerte::fehler(1));
        pruefeGetippt(u"ff"_s);
    }

    void zeileVollstaendig()
    {
        p->lektion(1);
        p->tippeZeilen(1, 1, 1);
        QVERIFY(u->meldungen.eintraege.isEmpty());
        QCOMPARE(titel(), Sollwerte::fortschritt(u"1"_s, 1));
        pruefeGetippt(QString());
        QCOMPARE(text("TextFeld"), Kurs::zeile(1, 2));
        QCOMPARE(text("FelD2"), Sollwerte::lektionUndZeile(1, 2));
    }

    // The whole course, every character as the keyboard delivers it: each line is shown, typed
    // without a message and counted in the title, and each lesson ends after its fifteenth. After
    // the end the focus is on no button, so Space and Enter change nothing; a new choice starts
    // over, and the title counts the new lesson's lines.
    void jedeLektionBisZumEnde()
    {
        for (int lektion = 1; lektion <= Kurs::AnzahlLektionen; ++lektion) {
            p->lektion(lektion);
            for (int zeile = 1; zeile <= Kurs::ZeilenJeLektion; ++zeile) {
                QCOMPARE(text("TextFeld"), Kurs::zeile(lektion, zeile));
                p->tippe(Kurs::zeile(lektion, zeile));
                QVERIFY2(u->meldungen.eintraege.isEmpty(),
                         qPrintable(QStringLiteral("Lektion %1, Zeile %2: %3")
                                        .arg(lektion)
                                        .arg(zeile)
                                        .arg(u->meldungen.eintraege.value(0).text)));
                QCOMPARE(titel(), Sollwerte::fortschritt(QString::number(lektion), zeile));
            }
            QVERIFY(!p->feld()->isEnabled());
            QCOMPARE(p->feld()->text(), Sollwerte::Auswahlaufforderung);
            QCOMPARE(text("TextFeld"), Sollwerte::LektionBeendet);
            QCOMPARE(text("Text"), QString(Sollwerte::NeueLektion).replace(u'\r', u'\n'));
            QVERIFY(!knopf("Wiederholen")->isVisible());
        }
        QVERIFY(!qobject_cast<QAbstractButton *>(QApplication::focusWidget()));
        QTest::keyClick(fenster(), Qt::Key_Space);
        QTest::keyClick(fenster(), Qt::Key_Return);
        QTest::keyClick(fenster(), Qt::Key_D);
        QCOMPARE(text("FehlerTaste"), Sollwerte::FehlerAmAnfang);
        QCOMPARE(p->feld()->text(), Sollwerte::Auswahlaufforderung);
        QVERIFY(u->meldungen.eintraege.isEmpty());

        p->lektion(2);
        QVERIFY(p->feld()->isEnabled());
        QVERIFY(p->feld()->hasFocus());
        pruefeGetippt(QString());
        QVERIFY(knopf("Wiederholen")->isVisible());
        p->tippeZeilen(2, 1, 1);
        QCOMPARE(titel(), Sollwerte::fortschritt(u"2"_s, 1));
    }

    // One line back through the button: the line before, the box and echo emptied, the focus in
    // the box, the indicator on that line; on line 1 the indicator shows line 0.
    void wiederholen()
    {
        p->lektion(4);
        p->tippeZeilen(4, 1, 4);
        p->tippe(Kurs::zeile(4, 5).left(3));
        QTest::mouseClick(knopf("Wiederholen"), Qt::LeftButton);
        QCOMPARE(text("TextFeld"), Kurs::zeile(4, 4));
        QCOMPARE(text("FelD2"), Sollwerte::lektionUndZeile(4, 4));
        pruefeGetippt(QString());
        QVERIFY(p->feld()->hasFocus());
        p->lektion(4);
        QTest::mouseClick(knopf("Wiederholen"), Qt::LeftButton);
        QCOMPARE(text("FelD2"), Sollwerte::lektionUndZeile(4, 0));
    }

    // The error button sets the count to 0 and keeps the focus.
    void fehlerzaehler()
    {
        p->lektion(1);
        p->tippe(u"xyz"_s);
        QCOMPARE(text("FehlerTaste"), Sollwerte::fehler(3));
        QTest::mouseClick(knopf("FehlerTaste"), Qt::LeftButton);
        QCOMPARE(text("FehlerTaste"), Sollwerte::FehlerZurueckgesetzt);
        QVERIFY(knopf("FehlerTaste")->hasFocus());
        p->tippe(u"x"_s);
        QCOMPARE(text("FehlerTaste"), Sollwerte::fehler(1));
    }

    // A left click on the lesson text turns it navy; a click into the input box brings the focus
    // back there.
    void kleineBedienelemente()
    {
        p->lektion(1);
        QWidget *text = p->ctrl(u"Text"_s);
        const QColor lila = text->palette().color(QPalette::WindowText);
        QTest::mouseClick(text, Qt::RightButton);
        QCOMPARE(text->palette().color(QPalette::WindowText), lila);
        QTest::mousePress(text, Qt::LeftButton);
        QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(-5, -5)); // let go outside
        QCOMPARE(text->palette().color(QPalette::WindowText), lila);
        QTest::mouseClick(text, Qt::LeftButton);
        QCOMPARE(text->palette().color(QPalette::WindowText),
                 Sollwerte::bgr(Sollwerte::Marineblau));
        knopf("ZeigeTasten_0")->setFocus();
        QTest::mouseClick(p->feld(), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(p->feld()->hasFocus());
    }

    // "&ENDE" closes the window, the program's last: the program ends with it.
    void endeSchliesst()
    {
        Schliessprobe geschlossen;
        p->fenster().installEventFilter(&geschlossen);
        QTest::keyClick(fenster(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(geschlossen.angenommen, 1);
        QVERIFY(!p->fenster().isVisible());
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }

    // Each way of typing into the box reaches the exercise, through the window as the learner
    // sends it: keys, an input method's commit and rewrite, Backspace, the paste key, the box's
    // menu, a drop.
    void jederWegInsFeld()
    {
        p->lektion(1);
        QTest::keyClick(fenster(), Qt::Key_F);
        pruefeGetippt(u"f"_s);
        Tippen::festlegen(p->feld(), u"f"_s);
        pruefeGetippt(u"ff"_s);
        QInputMethodEvent umschreiben;
        umschreiben.setCommitString(u"fff"_s, -1, 1);
        QApplication::sendEvent(p->feld(), &umschreiben);
        pruefeGetippt(u"ffff"_s);
        QTest::keyClick(fenster(), Qt::Key_Backspace);
        pruefeGetippt(u"fff"_s);
        QApplication::clipboard()->setText(u"f f"_s);
        QTest::keyClick(fenster(), Qt::Key_V, Qt::ControlModifier);
        pruefeGetippt(u"ffff f"_s);
        QApplication::clipboard()->setText(u"ff"_s);
        QContextMenuEvent rechts(QContextMenuEvent::Mouse, QPoint(4, 4),
                                 p->feld()->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(p->feld(), &rechts);
        auto *menue = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menue);
        menue->actions().constFirst()->trigger();
        menue->close();
        pruefeGetippt(u"ffff fff"_s);
        QMimeData daten;
        daten.setText(u"x"_s);
        QDragEnterEvent hinein(QPoint(4, 4), Qt::CopyAction, &daten, Qt::LeftButton,
                               Qt::NoModifier);
        QApplication::sendEvent(p->feld(), &hinein);
        QDropEvent ablegen(QPoint(4, 4), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p->feld(), &ablegen);
        pruefeGetippt(u"ffff fff"_s);
        QCOMPARE(u->meldungen.eintraege.size(), 1);
        QCOMPARE(u->meldungen.eintraege[0].text, Sollwerte::falschesZeichen(u"f"_s, u"x"_s));
    }

    // A stray Tab moves on to the next control; what the learner types then goes to the box and
    // is checked there, Space included, so nothing is lost, the count is not reset and the
    // program does not end. Enter presses the button that has the focus.
    void verirrterTabulator()
    {
        p->lektion(1);
        QTest::keyClick(fenster(), Qt::Key_F);
        QTest::keyClick(fenster(), Qt::Key_Tab);
        QVERIFY(knopf("FehlerTaste")->hasFocus());
        QTest::keyClick(fenster(), Qt::Key_F);
        QVERIFY(p->feld()->hasFocus());
        pruefeGetippt(u"ff"_s);
        p->tippe(u"x"_s);
        QTest::keyClick(fenster(), Qt::Key_Tab);
        QTest::keyClick(fenster(), Qt::Key_Tab);
        QVERIFY(knopf("EndE")->hasFocus());
        QTest::keyClick(fenster(), Qt::Key_Space);
        QVERIFY(p->fenster().isVisible());
        QTest::keyClick(fenster(), Qt::Key_Tab);
        QTest::keyClick(fenster(), Qt::Key_Space);
        QCOMPARE(u->meldungen.eintraege.size(), 3); // x, and the two blanks where f is due
        QCOMPARE(text("FehlerTaste"), Sollwerte::fehler(3));
        pruefeGetippt(u"ff"_s);
        QTest::keyClick(fenster(), Qt::Key_Tab);
        QVERIFY(knopf("FehlerTaste")->hasFocus());
        QTest::keyClick(fenster(), Qt::Key_Return);
        QTRY_COMPARE(text("FehlerTaste"), Sollwerte::FehlerZurueckgesetzt);
        // A command stays with the control that has the focus.
        QGuiApplication::clipboard()->setText(u"ff"_s);
        QTest::keyClick(fenster(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(knopf("FehlerTaste")->hasFocus());
        pruefeGetippt(u"ff"_s);
    }

    // Letters with Alt are access keys, never typing: Alt+W steps back through "&Wiederholen",
    // a letter no button claims does nothing, and neither counts.
    void befehleMitAlt()
    {
        p->lektion(1);
        p->tippeZeilen(1, 1, 1);
        p->tippe(u"jj"_s);
        QTest::keyClick(fenster(), Qt::Key_L, Qt::AltModifier);
        QTest::keyClick(fenster(), Qt::Key_P, Qt::AltModifier);
        pruefeGetippt(u"jj"_s);
        QCOMPARE(text("FehlerTaste"), Sollwerte::FehlerAmAnfang);
        QTest::keyClick(fenster(), Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(text("TextFeld"), Kurs::zeile(1, 1));
        pruefeGetippt(QString());
        QTest::keyClick(fenster(), Qt::Key_0, Qt::AltModifier); // "Fehler &0"
        QCOMPARE(p->feld()->text(), QString());
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }

    // A dead key pressed in one lesson does not put its accent on the first letter of the next.
    void totetasteUeberDieLektionswahl()
    {
        p->lektion(2);
        QTest::sendKeyEvent(QTest::Click, p->feld(), Qt::Key_Dead_Acute, QString(), Qt::NoModifier);
        p->lektion(14);
        QTest::sendKeyEvent(QTest::Click, p->feld(), Qt::Key_unknown, u"e"_s, Qt::NoModifier);
        pruefeGetippt(u"e"_s);
        QVERIFY(u->meldungen.eintraege.isEmpty());
    }
};

QTEST_MAIN(TstHauptfensterUebung)
#include "tst_hauptfenster_uebung.moc"

// Whatever the learner does with the keyboard, the mouse or the clipboard, the input box holds a
// correct beginning of the exercise line, the caret stays at its end, and the next key goes there.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "Tippen.h"
#include "engine/Uebung.h"
#include "lessons/Kurs.h"
#include "main_window/Tastensymbole.h"
#include "main_window/Totetastenwaechter.h"
#include "main_window/tippen.h"
#include "util/QtMeldungen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QtTest>
#include <functional>
#include <xcb/xcb.h>

namespace {

// Lesson 1, line 4: "fdf jkj fdf jkj …". After "fdf" a blank is due.
const QString Zeile = QStringLiteral("fdf jkj fdf jkj fdf jkj fdf jkj fdf jkj fdf");

void commit(QWidget *w, const QString &text)
{
    QInputMethodEvent ereignis;
    ereignis.setCommitString(text);
    QApplication::sendEvent(w, &ereignis);
}

} // namespace

class TstFreieEingabe : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptfensterprobe> p;
    QLineEdit *feld = nullptr;

    // Lesson 1 at line 4, with "fdf" typed.
    void zuZeileVier()
    {
        p->lektion(1);
        for (int z = 1; z <= 3; ++z)
            Tippen::text(feld, Kurs::zeile(1, z));
        QCOMPARE(p->ctrl<QLabel>(QStringLiteral("TextFeld"))->text(), Zeile);
        Tippen::text(feld, QStringLiteral("fdf"));
        QVERIFY(p->meldungen().isEmpty());
    }
    void pruefeAmEnde(const QString &text)
    {
        QCOMPARE(feld->text(), text);
        QCOMPARE(feld->cursorPosition(), text.size());
        QVERIFY(!feld->hasSelectedText());
    }

private Q_SLOTS:
    void init()
    {
        p = std::make_unique<Hauptfensterprobe>();
        p->zeige();
        feld = p->feld();
    }
    void cleanup() { p.reset(); }

    // Caret keys, word jumps and selections leave the caret at the end: the blank lands there.
    void cursortasten_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("zusatz");
        QTest::newRow("Pos1") << int(Qt::Key_Home) << int(Qt::NoModifier);
        QTest::newRow("links") << int(Qt::Key_Left) << int(Qt::NoModifier);
        QTest::newRow("Wort zurück") << int(Qt::Key_Left) << int(Qt::ControlModifier);
        QTest::newRow("hoch") << int(Qt::Key_Up) << int(Qt::NoModifier);
        QTest::newRow("Bild hoch") << int(Qt::Key_PageUp) << int(Qt::NoModifier);
        QTest::newRow("bis Pos1 auswählen") << int(Qt::Key_Home) << int(Qt::ShiftModifier);
        QTest::newRow("alles auswählen") << int(Qt::Key_A) << int(Qt::ControlModifier);
        QTest::newRow("rückgängig") << int(Qt::Key_Z) << int(Qt::ControlModifier);
        QTest::newRow("wiederherstellen") << int(Qt::Key_Y) << int(Qt::ControlModifier);
    }
    void cursortasten()
    {
        QFETCH(int, taste);
        QFETCH(int, zusatz);
        zuZeileVier();
        QTest::keyClick(feld, Qt::Key(taste), Qt::KeyboardModifiers(zusatz));
        pruefeAmEnde(QStringLiteral("fdf"));
        Tippen::text(feld, QStringLiteral(" j"));
        pruefeAmEnde(QStringLiteral("fdf j"));
        QVERIFY(p->meldungen().isEmpty());
        // Backspace at the end still takes the last character back, and is no error.
        QTest::keyClick(feld, Qt::Key_Backspace);
        pruefeAmEnde(QStringLiteral("fdf "));
        QVERIFY(p->meldungen().isEmpty());
    }

    // A click or a drag into the text selects nothing and leaves the caret at the end.
    void mausImText()
    {
        zuZeileVier();
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
        pruefeAmEnde(QStringLiteral("fdf"));
        QTest::mousePress(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
        QTest::mouseMove(feld, QPoint(feld->width() - 4, feld->height() / 2));
        QTest::mouseRelease(feld, Qt::LeftButton, {}, QPoint(feld->width() - 4, 10));
        QTest::mouseDClick(feld, Qt::LeftButton, {}, QPoint(10, feld->height() / 2));
        pruefeAmEnde(QStringLiteral("fdf"));
        Tippen::text(feld, QStringLiteral(" "));
        pruefeAmEnde(QStringLiteral("fdf "));
        QVERIFY(p->meldungen().isEmpty());
    }

    // The box's context menu offers pasting, in German, and nothing that edits inside the line
    // or brings back what the exercise took out.
    void kontextmenue()
    {
        zuZeileVier();
        QApplication::clipboard()->setText(QStringLiteral(" jx"));
        QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(4, 4),
                                   feld->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(feld, &ereignis);
        QMenu *menue = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menue);
        QStringList eintraege;
        for (const QAction *eintrag : menue->actions())
            eintraege << eintrag->text();
        QCOMPARE(eintraege, QStringList{QStringLiteral("&Einfügen\tStrg+V")});
        menue->actions().constFirst()->trigger();
        menue->close();
        QCOMPARE(p->meldungen(),
                 QStringList{Sollwerte::falschesZeichen(QStringLiteral("k"), QStringLiteral("x"))});
        pruefeAmEnde(QStringLiteral("fdf j"));
    }

    // Text dropped anywhere into the box is taken as typed at its end.
    void ziehenUndAblegen()
    {
        zuZeileVier();
        QMimeData daten;
        daten.setText(QStringLiteral(" jx"));
        const QPoint ort(4, feld->height() / 2);
        QDragEnterEvent hinein(ort, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &hinein);
        QDropEvent ablegen(ort, Qt::MoveAction | Qt::CopyAction, &daten, Qt::LeftButton,
                           Qt::ShiftModifier); // Shift asks to move
        QApplication::sendEvent(feld, &ablegen);
        QVERIFY(ablegen.isAccepted());
        QCOMPARE(ablegen.dropAction(), Qt::CopyAction); // the other program keeps its text
        QCOMPARE(p->meldungen(),
                 QStringList{Sollwerte::falschesZeichen(QStringLiteral("k"), QStringLiteral("x"))});
        pruefeAmEnde(QStringLiteral("fdf j"));
    }

    // A picture or a file dragged over the box is refused.
    void ziehenOhneText()
    {
        zuZeileVier();
        QMimeData daten;
        daten.setImageData(QImage(4, 4, QImage::Format_RGB32));
        const QPoint ort(4, feld->height() / 2);
        QDragEnterEvent hinein(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &hinein);
        QVERIFY(!hinein.isAccepted());
        QDropEvent ablegen(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &ablegen);
        QVERIFY(!ablegen.isAccepted());
        pruefeAmEnde(QStringLiteral("fdf"));
    }

    // An input method that places the caret (as it may while composing) places it at the end.
    void eingabemethodeSetztDenCursor()
    {
        zuZeileVier();
        QInputMethodEvent ereignis(
            QString(), {QInputMethodEvent::Attribute(QInputMethodEvent::Selection, 0, 0)});
        QApplication::sendEvent(feld, &ereignis);
        pruefeAmEnde(QStringLiteral("fdf"));
        commit(feld, QStringLiteral(" "));
        pruefeAmEnde(QStringLiteral("fdf "));
        QVERIFY(p->meldungen().isEmpty());
    }

    // An input method may rewrite text before the caret when it commits. Up to the caret that is
    // taking characters back and typing others; further in, its text goes to the end instead and
    // the correct characters stay.
    void eingabemethodeErsetzt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ab"); // relative to the caret, which is at the end
        QTest::addColumn<int>("laenge");
        QTest::addColumn<QString>("bleibt");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("mitten hinein, richtig")
            << QStringLiteral(" j") << -3 << 1 << QStringLiteral("fdf j") << QStringList();
        QTest::newRow("mitten hinein, falsch")
            << QStringLiteral("x") << -2 << 1 << QStringLiteral("fdf")
            << QStringList{Sollwerte::falschesZeichen(QStringLiteral(" "), QStringLiteral("x"))};
        QTest::newRow("das letzte Zeichen neu")
            << QStringLiteral("f ") << -1 << 1 << QStringLiteral("fdf ") << QStringList();
        QTest::newRow("über das Ende hinaus")
            << QStringLiteral("f") << -1 << 3 << QStringLiteral("fdf") << QStringList();
        QTest::newRow("vor den Anfang")
            << QStringLiteral("fdf ") << -5 << 6 << QStringLiteral("fdf ") << QStringList();
        QTest::newRow("das letzte Zeichen weg")
            << QString() << -1 << 1 << QStringLiteral("fd") << QStringList();
    }
    void eingabemethodeErsetzt()
    {
        QFETCH(QString, text);
        QFETCH(int, ab);
        QFETCH(int, laenge);
        QFETCH(QString, bleibt);
        QFETCH(QStringList, meldungen);
        zuZeileVier();
        QInputMethodEvent ereignis;
        ereignis.setCommitString(text, ab, laenge);
        QApplication::sendEvent(feld, &ereignis);
        QCOMPARE(p->meldungen(), meldungen);
        pruefeAmEnde(bleibt);
        Tippen::text(feld, Zeile.mid(bleibt.size(), 1));
        pruefeAmEnde(Zeile.left(bleibt.size() + 1));
    }

    // The same in the empty box at a line's start, with a range reaching before it.
    void eingabemethodeErsetztImLeerenFeld()
    {
        p->lektion(1);
        QInputMethodEvent ereignis;
        ereignis.setCommitString(QStringLiteral("f"), -1, 3);
        QApplication::sendEvent(feld, &ereignis);
        QVERIFY(p->meldungen().isEmpty());
        pruefeAmEnde(QStringLiteral("f"));
    }

    // Several characters at once are checked from the first: the correct ones stay, one message
    // names the first wrong one, however long the paste.
    void einfuegen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bleibt");
        QTest::addColumn<QStringList>("meldungen");
        const QString leer = QStringLiteral(" ");
        const QString x = QStringLiteral("x");
        QTest::newRow("drei falsche") << QStringLiteral("xyz") << QStringLiteral("fdf")
                                      << QStringList{Sollwerte::falschesZeichen(leer, x)};
        QTest::newRow("falsch, dann richtig") << QStringLiteral("xxx ") << QStringLiteral("fdf")
                                              << QStringList{Sollwerte::falschesZeichen(leer, x)};
        QTest::newRow("richtig, dann falsch")
            << QStringLiteral(" jkx") << QStringLiteral("fdf jk")
            << QStringList{Sollwerte::falschesZeichen(QStringLiteral("j"), x)};
        QTest::newRow("mit Zeilenumbruch")
            << QStringLiteral(" j\rk\nj") << QStringLiteral("fdf jkj") << QStringList();
        QTest::newRow("80 Zeichen")
            << QString(80, u'f') << QStringLiteral("fdf")
            << QStringList{Sollwerte::falschesZeichen(leer, QStringLiteral("f"))};
        QTest::newRow("ein Megabyte") << x.repeated(1 << 20) << QStringLiteral("fdf")
                                      << QStringList{Sollwerte::falschesZeichen(leer, x)};
    }
    void einfuegen()
    {
        QFETCH(QString, text);
        QFETCH(QString, bleibt);
        QFETCH(QStringList, meldungen);
        zuZeileVier();
        QApplication::clipboard()->setText(text);
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(p->meldungen(), meldungen);
        pruefeAmEnde(bleibt);
        QCOMPARE(p->fenster().uebung().zustand().FehlerZahl, meldungen.size());
    }

    // The text the box shows at a lesson's end, pasted into a lesson, is checked as typing.
    void aufforderungEingefuegt()
    {
        p->lektion(1);
        auto *wiederholen = p->ctrl<QAbstractButton>(QStringLiteral("Wiederholen"));
        QVERIFY(wiederholen->isVisible());
        QApplication::clipboard()->setText(QString(40, u' ') +
                                           QStringLiteral("- Lektion auswählen -"));
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(p->meldungen(), QStringList{Sollwerte::falschesZeichen(Kurs::zeile(1, 1).left(1),
                                                                        QStringLiteral(" "))});
        pruefeAmEnde(QString());
        QVERIFY(wiederholen->isVisible());
        Tippen::text(feld, Kurs::zeile(1, 1));
        QCOMPARE(p->ctrl<QLabel>(QStringLiteral("TextFeld"))->text(), Kurs::zeile(1, 2));
    }

    // Before any lesson the box shows " Lektion auswählen"; the first key replaces it and is
    // checked against the instruction in the yellow line.
    void ersteTasteErsetztDieAufforderung()
    {
        QCOMPARE(feld->text(), QStringLiteral(" Lektion auswählen"));
        Tippen::text(feld, QStringLiteral("W"));
        pruefeAmEnde(QStringLiteral("W"));
        Tippen::text(feld, QStringLiteral("as hier"));
        pruefeAmEnde(QStringLiteral("Was hier"));
        QVERIFY(p->meldungen().isEmpty());
    }
    void falscheErsteTaste()
    {
        Tippen::text(feld, QStringLiteral("w"));
        QCOMPARE(p->meldungen(),
                 QStringList{Sollwerte::falschesZeichen(QStringLiteral("W"), QStringLiteral("w"))});
        pruefeAmEnde(QString());
    }

    // Keys and dead-key letters that arrive while the message is open are dropped; what was typed
    // before stays.
    void waehrendDerMeldung()
    {
        zuZeileVier();
        p->umgebung.meldungen.waehrendDerMeldung = [this] {
            commit(feld, QStringLiteral("é"));
            Tippen::text(feld, QStringLiteral(" jk"));
            commit(feld, QStringLiteral("è"));
        };
        Tippen::text(feld, QStringLiteral("x"));
        QCOMPARE(p->meldungen(),
                 QStringList{Sollwerte::falschesZeichen(QStringLiteral(" "), QStringLiteral("x"))});
        pruefeAmEnde(QStringLiteral("fdf"));
        Tippen::text(feld, QStringLiteral(" "));
        pruefeAmEnde(QStringLiteral("fdf "));
    }

    // With the real modal box: while it is open, nothing reaches the box; the key that raised a
    // warning still does once it is confirmed.
    void mitDerEchtenMeldung()
    {
        QtMeldungen echte;
        Testumgebung fakes;
        Umgebung umgebung{echte, fakes.browser, fakes.hilfe, [] {}};
        Hauptfensterprobe echt(umgebung);
        echt.zeige();
        QLineEdit *f = echt.feld();
        QStringList gesehen;
        std::function<void()> waehrenddessen;
        QTimer sucher;
        connect(&sucher, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                gesehen << box->text();
                if (waehrenddessen)
                    waehrenddessen();
                box->button(QMessageBox::Ok)->click();
            }
        });
        sucher.start(10);

        const QString anfang = Uebung::anleitung().left(Kurs::Hoechstlaenge);
        Tippen::text(f, anfang);
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(gesehen, QStringList{QStringLiteral("TEXT ZU LANG")});
        QCOMPARE(f->text(), anfang.chopped(1));

        echt.lektion(1);
        Tippen::text(f, QStringLiteral("ff"));
        waehrenddessen = [&] {
            commit(f, QStringLiteral("é"));
            QTest::sendKeyEvent(QTest::Click, f, Qt::Key_F, QStringLiteral("f"), Qt::NoModifier);
        };
        Tippen::text(f, QStringLiteral("x"));
        QCOMPARE(gesehen.size(), 2);
        QCOMPARE(f->text(), QStringLiteral("ff"));
    }

    // After the last line the box is disabled; the focus goes to no button, so the learner's next
    // Space changes nothing.
    void nachDemLektionsende()
    {
        p->lektion(2);
        Tippen::text(feld, QStringLiteral("x"));
        auto *fehler = p->ctrl<QAbstractButton>(QStringLiteral("FehlerTaste"));
        QCOMPARE(fehler->text(), QStringLiteral("F.:  1"));
        p->meldungen();
        for (int z = 1; z <= 15; ++z)
            Tippen::text(feld, Kurs::zeile(2, z));
        QVERIFY(!feld->isEnabled());
        QVERIFY(!qobject_cast<QAbstractButton *>(QApplication::focusWidget()));
        QTest::keyClick(p->fenster().windowHandle(), Qt::Key_Space);
        QTest::keyClick(p->fenster().windowHandle(), Qt::Key_Return);
        QCOMPARE(fehler->text(), QStringLiteral("F.:  1"));
        QCOMPARE(p->fenster().uebung().zustand().FehlerZahl, 1);
        QVERIFY(p->meldungen().isEmpty());
    }

    // "TEXT ZU LANG" comes for a letter from a dead key as for any other key.
    void zuLangAuchMitTotetaste()
    {
        Tippen::text(feld, Uebung::anleitung().left(Kurs::Hoechstlaenge));
        QVERIFY(p->meldungen().isEmpty());
        commit(feld, QStringLiteral("é"));
        const QStringList texte = p->meldungen();
        QCOMPARE(texte.value(0), QStringLiteral("TEXT ZU LANG"));
        QCOMPARE(texte.size(), 2); // and the letter is wrong there
    }

    // A dead key is told apart by its symbol in the server's key map: two symbols per key code
    // here, from code 8 on; code 8 holds dead_acute and dead_grave, code 9 dead_circumflex and the
    // degree sign with Shift, code 10 a plain letter.
    void totetastenAusDerBelegung()
    {
        const Tastensymbole belegung(8, 2, {0xfe51, 0xfe50, 0xfe52, 0xb0, 0x61, 0x41});
        QVERIFY(belegung.istTotetaste(8, false));
        QVERIFY(belegung.istTotetaste(8, true));
        QVERIFY(belegung.istTotetaste(9, false));
        QVERIFY(!belegung.istTotetaste(9, true)); // Shift gives °, typed at once
        QVERIFY(!belegung.istTotetaste(10, false));
        QVERIFY(!belegung.istTotetaste(7, false));  // below the first code
        QVERIFY(!belegung.istTotetaste(11, false)); // beyond the map
        QVERIFY(!Tastensymbole().istTotetaste(8, false));

        // The range of dead keysyms ends with 0xfe93, and 0xfe4f is no dead key.
        const Tastensymbole raender(8, 1, {0xfe4f, 0xfe93, 0xfe94});
        QVERIFY(!raender.istTotetaste(8, false));
        QVERIFY(raender.istTotetaste(9, false));
        QVERIFY(raender.istTotetaste(9, true)); // one symbol per key: Shift has no own column
        QVERIFY(!raender.istTotetaste(10, false));
    }

    // The raw key presses on X11: a dead key is reported while the box takes keys, a new
    // layout is read when the server announces it, and nothing is ever swallowed.
    void totetastenAufX11()
    {
        int gelesen = 0;
        bool nimmtAn = true;
        int gemeldet = 0;
        Totetastenwaechter waechter(
            [&] {
                ++gelesen;
                return Tastensymbole(8, 2, {0xfe51, 0xfe50, 0xfe52, 0xb0, 0x61, 0x41});
            },
            [&] { return nimmtAn; }, [&] { ++gemeldet; });
        QCOMPARE(gelesen, 1);
        const auto druecke = [&](quint8 typ, quint8 code, quint16 zustand,
                                 const char *art = "xcb_generic_event_t") {
            xcb_key_press_event_t taste{};
            taste.response_type = typ;
            taste.detail = code;
            taste.state = zustand;
            const int vorher = gemeldet;
            if (waechter.nativeEventFilter(art, &taste, nullptr))
                return -1; // swallowed: the input method would never see it
            return gemeldet - vorher;
        };
        QCOMPARE(druecke(XCB_KEY_PRESS, 8, 0), 1);
        QCOMPARE(druecke(XCB_KEY_PRESS | 0x80, 8, 0), 1); // sent by another client
        QCOMPARE(druecke(XCB_KEY_PRESS, 9, 0), 1);
        QCOMPARE(druecke(XCB_KEY_PRESS, 9, XCB_MOD_MASK_SHIFT), 0); // °, no dead key
        QCOMPARE(druecke(XCB_KEY_PRESS, 10, 0), 0);
        QCOMPARE(druecke(XCB_KEY_RELEASE, 8, 0), 0);
        QCOMPARE(druecke(XCB_KEY_PRESS, 8, 0, "windows_generic_MSG"), 0);
        nimmtAn = false;
        QCOMPARE(druecke(XCB_KEY_PRESS, 8, 0), 0);
        nimmtAn = true;
        QCOMPARE(gelesen, 1);
        QCOMPARE(druecke(XCB_MAPPING_NOTIFY, 0, 0), 0);
        QCOMPARE(gelesen, 2);
    }
};

QTEST_MAIN(TstFreieEingabe)
#include "tst_freie_eingabe.moc"

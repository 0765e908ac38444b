// The input box FELD: whatever the learner does with the keyboard, an input method, the mouse or
// the clipboard becomes one Eingabe for the exercise, in the order the keys were pressed, and the
// box never moves its caret or edits its own text. Then, in the real window, each way in reaches
// the exercise once, and a stray Tab or a command key costs the learner nothing.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "Tippen.h"
#include "lessons/Kurs.h"
#include "main_window/Eingabefeld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStyleHints>
#include <QTextCharFormat>
#include <QWindow>
#include <QtTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatforminputcontext.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

#if FINGALO_X11
#include "main_window/Tastensymbole.h"
#include "main_window/Totetastenwaechter.h"
#include <xcb/xcb.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// An Eingabe as one line: "+" for a key going down, "<n" for characters taken back, then the text.
QString alsText(const Eingabe &e)
{
    return (e.tasteRunter ? u"+"_s : QString()) +
           (e.zurueck ? u"<"_s + QString::number(e.zurueck) : QString()) + e.text;
}

QObject *eingabemethode()
{
    return QGuiApplicationPrivate::platformIntegration()->inputContext();
}

int eigenschaft(const char *name)
{
    return eingabemethode()->property(name).toInt();
}

// Holds the keys meant for one widget and delivers them later in their order, as the toolkit's
// screen-reader bridge does while the reader decides whether a key is its own.
class Zurueckhalter : public QObject
{
public:
    explicit Zurueckhalter(QObject *ziel) : m_ziel(ziel) { qApp->installEventFilter(this); }
    void gibFrei()
    {
        qApp->removeEventFilter(this);
        for (const auto &taste : std::exchange(m_gehalten, {}))
            QCoreApplication::sendEvent(m_ziel, taste.get());
    }

protected:
    bool eventFilter(QObject *empfaenger, QEvent *ereignis) override
    {
        if (empfaenger != m_ziel || ereignis->type() != QEvent::KeyPress)
            return false;
        m_gehalten.emplace_back(static_cast<QKeyEvent *>(ereignis)->clone());
        return true;
    }

private:
    QObject *m_ziel;
    std::vector<std::unique_ptr<QEvent>> m_gehalten;
};

} // namespace

class TstEingabefeld : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> fenster;
    Eingabefeld *feld = nullptr;
    QStringList eingaben;

    // What the box handed on since the last call, after the toolkit delivered what it queued.
    QStringList abgeholt()
    {
        QCoreApplication::processEvents();
        return std::exchange(eingaben, {});
    }
    void pruefeCaretAmEnde()
    {
        QCOMPARE(feld->inputMethodQuery(Qt::ImCursorPosition).toInt(), feld->text().size());
        QCOMPARE(feld->inputMethodQuery(Qt::ImAnchorPosition).toInt(), feld->text().size());
        QCOMPARE(feld->inputMethodQuery(Qt::ImCurrentSelection).toString(), QString());
        QCOMPARE(feld->inputMethodQuery(Qt::ImSurroundingText).toString(), feld->text());
    }
    void sende(QInputMethodEvent &ereignis) { QApplication::sendEvent(feld, &ereignis); }

private Q_SLOTS:
    void init()
    {
        fenster = std::make_unique<QWidget>();
        fenster->resize(900, 80);
        feld = new Eingabefeld(u"fdf"_s, fenster.get());
        feld->setGeometry(24, 20, 833, 37);
        connect(feld, &Eingabefeld::eingegeben, this,
                [this](const Eingabe &e) { eingaben << alsText(e); });
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        fenster->activateWindow();
        feld->setFocus();
        QTRY_VERIFY(feld->hasFocus());
    }
    void cleanup() { fenster.reset(); }

    // Keys that would move the caret, select, undo or redo are keys going down and nothing more:
    // the caret stays at the end, where the next key types.
    void tastenOhneZeichen_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("zusatz");
        QTest::newRow("Pos1") << int(Qt::Key_Home) << int(Qt::NoModifier);
        QTest::newRow("links") << int(Qt::Key_Left) << int(Qt::NoModifier);
        QTest::newRow("Wort zurück") << int(Qt::Key_Left) << int(Qt::ControlModifier);
        QTest::newRow("Bild hoch") << int(Qt::Key_PageUp) << int(Qt::NoModifier);
        QTest::newRow("bis Pos1 auswählen") << int(Qt::Key_Home) << int(Qt::ShiftModifier);
        QTest::newRow("alles auswählen") << int(Qt::Key_A) << int(Qt::ControlModifier);
        QTest::newRow("rückgängig") << int(Qt::Key_Z) << int(Qt::ControlModifier);
        QTest::newRow("wiederherstellen") << int(Qt::Key_Y) << int(Qt::ControlModifier);
        QTest::newRow("ausschneiden") << int(Qt::Key_X) << int(Qt::ControlModifier);
        QTest::newRow("Entfernen") << int(Qt::Key_Delete) << int(Qt::NoModifier);
        QTest::newRow("Eingabetaste") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Tabulator mit Strg") << int(Qt::Key_Tab) << int(Qt::ControlModifier);
        // A letter with Alt is a menu's access key, never typing.
        QTest::newRow("Alt+L") << int(Qt::Key_L) << int(Qt::AltModifier);
        QTest::newRow("Alt+0") << int(Qt::Key_0) << int(Qt::AltModifier);
        QTest::newRow("Logo+E") << int(Qt::Key_E) << int(Qt::MetaModifier);
        QTest::newRow("Umschalttaste") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
        QTest::newRow("Menütaste") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    }
    void tastenOhneZeichen()
    {
        QFETCH(int, taste);
        QFETCH(int, zusatz);
        QTest::keyClick(feld, Qt::Key(taste), Qt::KeyboardModifiers(zusatz));
        // The modifier goes down first, then the key: two keys, neither typing.
        const QStringList gehoert = abgeholt();
        QCOMPARE(gehoert, QStringList(zusatz == Qt::NoModifier ? 1 : 2, u"+"_s));
        QCOMPARE(feld->text(), u"fdf"_s);
        pruefeCaretAmEnde();
    }

    // Characters typed, also with AltGr, which brings characters of its own; Backspace takes one
    // back; the paste key brings the clipboard as typed at the end.
    void tastenMitZeichen()
    {
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, u" "_s, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_Q, u"@"_s, Qt::GroupSwitchModifier);
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, u"ä"_s, Qt::NoModifier);
        QTest::keyClick(feld, Qt::Key_Backspace);
        QApplication::clipboard()->setText(u" jkx"_s);
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(abgeholt(),
                 QStringList({u"+ "_s, u"+@"_s, u"+ä"_s, u"+<1"_s, u"+"_s, u"+ jkx"_s}));
    }

    // Clicks, drags and double clicks into the text leave everything as it was.
    void mausImText()
    {
        QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
        QTest::mousePress(feld, Qt::LeftButton, {}, QPoint(4, feld->height() / 2));
        QTest::mouseMove(feld, QPoint(feld->width() - 4, feld->height() / 2));
        QTest::mouseRelease(feld, Qt::LeftButton, {}, QPoint(feld->width() - 4, 10));
        QTest::mouseDClick(feld, Qt::LeftButton, {}, QPoint(10, feld->height() / 2));
        QCOMPARE(abgeholt(), QStringList());
        pruefeCaretAmEnde();
    }

    // The box's menu pastes at the end and does nothing else; it has no access key, so a letter
    // typed while it is open pastes nothing. The menu key opens no menu at all: pressed by
    // mistake, an open menu would swallow the next keys.
    void kontextmenue()
    {
        QApplication::clipboard()->setText(u" jx"_s);
        QContextMenuEvent tastatur(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                   feld->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(feld, &tastatur);
        QVERIFY(!QApplication::activePopupWidget());

        QContextMenuEvent maus(QContextMenuEvent::Mouse, QPoint(4, 4),
                               feld->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(feld, &maus);
        auto *menue = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menue);
        QCOMPARE(menue->actions().size(), 1);
        QAction *einfuegen = menue->actions().constFirst();
        QVERIFY(!einfuegen->text().contains(u'&'));
        QTest::keyClick(menue, Qt::Key_E);
        QCOMPARE(abgeholt(), QStringList());
        einfuegen->trigger();
        menue->close();
        QCOMPARE(abgeholt(), QStringList{u" jx"_s});
    }

    // Text dropped from another program is taken as pasted at the end, and the drop is a copy:
    // asked to move, the other program would delete its text.
    void ziehenUndAblegen()
    {
        QMimeData daten;
        daten.setText(u" jx"_s);
        const QPoint ort(4, feld->height() / 2);
        const Qt::DropActions moeglich = Qt::MoveAction | Qt::CopyAction;
        QDragEnterEvent hinein(ort, moeglich, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &hinein);
        QVERIFY(hinein.isAccepted());
        QCOMPARE(hinein.dropAction(), Qt::CopyAction);
        QDragMoveEvent ueber(ort, moeglich, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &ueber);
        QCOMPARE(ueber.dropAction(), Qt::CopyAction);
        QDropEvent ablegen(ort, moeglich, &daten, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(feld, &ablegen);
        QVERIFY(ablegen.isAccepted());
        QCOMPARE(ablegen.dropAction(), Qt::CopyAction);
        QCOMPARE(abgeholt(), QStringList{u" jx"_s});

        // A picture, or a source that only lets go of its text, is refused.
        QMimeData bild;
        bild.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QDragEnterEvent keinText(ort, Qt::CopyAction, &bild, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &keinText);
        QVERIFY(!keinText.isAccepted());
        QDropEvent nurVerschieben(ort, Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(feld, &nurVerschieben);
        QVERIFY(!nurVerschieben.isAccepted());
        QCOMPARE(abgeholt(), QStringList());
    }

    // A composition is shown at the end, underlined as the input method asks, without moving
    // the caret or selecting anything, whatever selection it asks for; a change of it is a key
    // the input method took.
    void vorschau()
    {
        const int blinken = QGuiApplication::styleHints()->cursorFlashTime();
        QGuiApplication::styleHints()->setCursorFlashTime(0); // the caret shows steadily
        feld->clearFocus();
        feld->setFocus();
        const QImage vorher = feld->grab().toImage();
        QTextCharFormat unterstrichen;
        unterstrichen.setFontUnderline(true);
        QInputMethodEvent zeigen(u"´"_s, {{QInputMethodEvent::TextFormat, 0, 1, unterstrichen},
                                          {QInputMethodEvent::Cursor, 1, 1, {}},
                                          {QInputMethodEvent::Selection, 0, 3, {}}});
        sende(zeigen);
        QCOMPARE(feld->vorschau(), u"´"_s);
        QCOMPARE(feld->text(), u"fdf"_s);
        pruefeCaretAmEnde();
        QVERIFY(feld->grab().toImage() != vorher);
        QCOMPARE(abgeholt(), QStringList{u"+"_s});

        QInputMethodEvent weg(QString(), {});
        sende(weg);
        QCOMPARE(feld->vorschau(), QString());
        QCOMPARE(abgeholt(), QStringList());
        // Gone, it leaves the box as it was, the caret drawn again.
        QCOMPARE(feld->grab().toImage(), vorher);
        QGuiApplication::styleHints()->setCursorFlashTime(blinken);
    }

    // An input method may rewrite text before the caret as it commits. Up to the caret, which
    // stands at the end, that is taking characters back and typing others; a range that ends
    // before it would change correct characters inside the line, so its text is typed at the end.
    void umschreiben_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ab"); // relative to the caret
        QTest::addColumn<int>("laenge");
        QTest::addColumn<QString>("eingabe");
        QTest::newRow("das letzte Zeichen neu") << u"f "_s << -1 << 1 << u"+<1f "_s;
        QTest::newRow("das letzte Zeichen weg") << QString() << -1 << 1 << u"<1"_s;
        QTest::newRow("über das Ende hinaus") << u"f"_s << -1 << 3 << u"+<1f"_s;
        QTest::newRow("vor den Anfang") << u"fdf "_s << -5 << 6 << u"+<3fdf "_s;
        QTest::newRow("mitten hinein") << u" j"_s << -3 << 1 << u"+ j"_s;
        QTest::newRow("nach dem Ende") << u"x"_s << 2 << 1 << u"+x"_s;
    }
    void umschreiben()
    {
        QFETCH(QString, text);
        QFETCH(int, ab);
        QFETCH(int, laenge);
        QFETCH(QString, eingabe);
        QInputMethodEvent ereignis;
        ereignis.setCommitString(text, ab, laenge);
        sende(ereignis);
        QCOMPARE(abgeholt(), QStringList{eingabe});
        QCOMPARE(feld->text(), u"fdf"_s);
        pruefeCaretAmEnde();
    }

    // Keys read before a commit still wait in the toolkit's queue when a compose input method
    // sends the commit: the commit takes its place behind them, so "e", then "´" and "e" stay
    // in that order however fast they come.
    void reihenfolgeDerTasten()
    {
        QWindow *w = fenster->windowHandle();
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            w, QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, u"e"_s);
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            w, QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_s);
        QInputMethodEvent festgelegt;
        festgelegt.setCommitString(u"é"_s);
        sende(festgelegt);
        QCOMPARE(abgeholt(), QStringList({u"+e"_s, u"+ "_s, u"+é"_s}));

        // IBus hands on a key it lets through at once, after the commit it answered first.
        sende(festgelegt);
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
            w, QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, u"e"_s);
        QCOMPARE(abgeholt(), QStringList({u"+é"_s, u"+e"_s}));

        // While a screen reader listens, the toolkit holds every key until the reader answers;
        // a commit that came meanwhile waits behind the keys held before it.
        Zurueckhalter halter(feld);
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
            w, QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, u"e"_s);
        sende(festgelegt);
        QCOMPARE(abgeholt(), QStringList());
        halter.gibFrei();
        QCOMPARE(abgeholt(), QStringList({u"+e"_s, u"+é"_s}));
    }

    // A dead key waits for its letter. Where the input method joined them, the letter comes
    // whole; where it could not (a button had the focus, the letter takes no such accent), the
    // box joins them itself, or hands on the accent before the letter, so the slip is seen.
    void totetasten_data()
    {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("danach");
        QTest::addColumn<bool>("festgelegt"); // `danach` comes as the input method's commit
        QTest::addColumn<QString>("eingabe");
        QTest::newRow("´ e") << int(Qt::Key_Dead_Acute) << u"e"_s << false << u"+é"_s;
        QTest::newRow("´ f") << int(Qt::Key_Dead_Acute) << u"f"_s << false << u"+´f"_s;
        QTest::newRow("´ Leertaste") << int(Qt::Key_Dead_Acute) << u" "_s << false << u"+´"_s;
        QTest::newRow("^ o") << int(Qt::Key_Dead_Circumflex) << u"o"_s << false << u"+ô"_s;
        QTest::newRow("` A") << int(Qt::Key_Dead_Grave) << u"A"_s << false << u"+À"_s;
        QTest::newRow("´ é festgelegt") << int(Qt::Key_Dead_Acute) << u"é"_s << true << u"+é"_s;
        QTest::newRow("´ ´ festgelegt") << int(Qt::Key_Dead_Acute) << u"´"_s << true << u"+´"_s;
        QTest::newRow("´ f festgelegt") << int(Qt::Key_Dead_Acute) << u"f"_s << true << u"+´f"_s;
    }
    void totetasten()
    {
        QFETCH(int, taste);
        QFETCH(QString, danach);
        QFETCH(bool, festgelegt);
        QFETCH(QString, eingabe);
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key(taste), QString(), Qt::NoModifier);
        QTest::keyClick(feld, Qt::Key_Shift); // a modifier leaves the accent waiting
        if (festgelegt)
            Tippen::festlegen(feld, danach);
        else
            QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, danach, Qt::NoModifier);
        QCOMPARE(abgeholt(), QStringList({u"+"_s, u"+"_s, eingabe}));
        // The accent is used up.
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, u"e"_s, Qt::NoModifier);
        QCOMPARE(abgeholt(), QStringList{u"+e"_s});
    }

    // The X11 watcher reports a dead key, and where no input method takes it the key itself comes
    // too, with the same time stamp: one key, one press. A key that is no letter (Backspace)
    // ends the wait; forgetting ends it too.
    void totetasteEinmal()
    {
        QKeyEvent gemeldet(QEvent::KeyPress, Qt::Key_Dead_Acute, Qt::NoModifier);
        gemeldet.setTimestamp(4711);
        QKeyEvent selbst(QEvent::KeyPress, Qt::Key_Dead_Acute, Qt::NoModifier);
        selbst.setTimestamp(4711);
        QApplication::sendEvent(feld, &gemeldet);
        QApplication::sendEvent(feld, &selbst);
        QCOMPARE(abgeholt(), QStringList{u"+"_s});
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, u"e"_s, Qt::NoModifier);
        QCOMPARE(abgeholt(), QStringList({u"+<1"_s, u"+e"_s}));
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_Dead_Acute, QString(), Qt::NoModifier);
        feld->totetasteVergessen();
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, u"e"_s, Qt::NoModifier);
        QCOMPARE(abgeholt(), QStringList({u"+"_s, u"+e"_s}));
    }

    // IBus shows a pending dead key as a composition, and when asked to commit sends it to the
    // box before forgetting it. Nothing the box does on an input method's event may ask again:
    // the learner leaves the box with a composition pending, and the box is entered once.
    void eingabemethodeOhneSchleife()
    {
        if (!eingabemethode() || !eingabemethode()->property("tiefste").isValid())
            QSKIP("needs QT_IM_MODULE=fingalo-ibusartig");
        const int zurueckgesetzt = eigenschaft("zuruecksetzungen");
        QMetaObject::invokeMethod(eingabemethode(), "zeigeVorschau", Q_ARG(QString, u"´"_s));
        QCOMPARE(feld->vorschau(), u"´"_s);
        auto *anderes = new QWidget(fenster.get());
        anderes->setFocusPolicy(Qt::StrongFocus);
        anderes->show();
        anderes->setFocus(); // Qt asks the input method to commit
        QCOMPARE(eigenschaft("tiefste"), 1);
        QMetaObject::invokeMethod(eingabemethode(), "legeFest", Q_ARG(QString, u"é"_s));
        QCOMPARE(eigenschaft("tiefste"), 1);
        // What the box heard comes in order; it never asked the input method to start over.
        const QStringList gehoert = abgeholt();
        QVERIFY2(gehoert.size() <= 3, qPrintable(gehoert.join(u", ")));
        QCOMPARE(eigenschaft("zuruecksetzungen"), zurueckgesetzt);
        // Forgetting a dead key is the one time it does, at a lesson's choice.
        feld->totetasteVergessen();
        QCOMPARE(eigenschaft("zuruecksetzungen"), zurueckgesetzt + 1);
    }

    // The box's text changes from the exercise only, at the end, and hands nothing back on.
    void zeigen()
    {
        feld->zeige(u"fdf "_s);
        QCOMPARE(feld->text(), u"fdf "_s);
        pruefeCaretAmEnde();
        QCOMPARE(abgeholt(), QStringList());
    }

#if FINGALO_X11
    // A dead key is told apart by its symbol in the server's key map: two symbols per key code
    // here, from code 8 on; code 8 holds dead_acute and dead_grave, code 9 dead_circumflex and the
    // degree sign with Shift, code 10 a plain letter. The range of dead keysyms ends with 0xfe93.
    void totetastenAusDerBelegung()
    {
        const Tastensymbole belegung(8, 2, {0xfe51, 0xfe50, 0xfe52, 0xb0, 0x61, 0x41});
        QCOMPARE(belegung.totetaste(8, false), 0xfe51u);
        QCOMPARE(belegung.totetaste(8, true), 0xfe50u);
        QCOMPARE(belegung.totetaste(9, false), 0xfe52u);
        QVERIFY(!belegung.totetaste(9, true)); // Shift gives °, typed at once
        QVERIFY(!belegung.totetaste(10, false));
        QVERIFY(!belegung.totetaste(7, false));  // below the first code
        QVERIFY(!belegung.totetaste(11, false)); // beyond the map
        QVERIFY(!Tastensymbole().totetaste(8, false));
        const Tastensymbole raender(8, 1, {0xfe4f, 0xfe93, 0xfe94});
        QVERIFY(!raender.totetaste(8, false));
        QVERIFY(raender.totetaste(9, false));
        QVERIFY(raender.totetaste(9, true)); // one symbol per key: Shift has no own column
        QVERIFY(!raender.totetaste(10, false));
        QCOMPARE(Tastensymbole::qtTaste(0xfe51), int(Qt::Key_Dead_Acute));
        QCOMPARE(Tastensymbole::qtTaste(0xfe52), int(Qt::Key_Dead_Circumflex));
    }

    // The raw key presses on X11: a dead key is reported with its time while the box takes keys,
    // a new layout is read when the server announces it, and nothing is ever swallowed.
    void totetastenAufX11()
    {
        int gelesen = 0;
        bool nimmtAn = true;
        QList<QPair<int, ulong>> gemeldet;
        Totetastenwaechter waechter(
            [&] {
                ++gelesen;
                return Tastensymbole(8, 2, {0xfe51, 0xfe50, 0xfe52, 0xb0, 0x61, 0x41});
            },
            [&] { return nimmtAn; },
            [&](int taste, ulong zeit) {
                gemeldet.append({taste, zeit});
            });
        QCOMPARE(gelesen, 1);
        const auto druecke = [&](quint8 typ, quint8 code, quint16 zustand,
                                 const char *art = "xcb_generic_event_t") {
            xcb_key_press_event_t taste{};
            taste.response_type = typ;
            taste.detail = code;
            taste.state = zustand;
            taste.time = 1000u + code;
            const qsizetype vorher = gemeldet.size();
            if (waechter.nativeEventFilter(art, &taste, nullptr))
                return -1; // swallowed: the input method would never see it
            return int(gemeldet.size() - vorher);
        };
        QCOMPARE(druecke(XCB_KEY_PRESS, 8, 0), 1);
        QCOMPARE(gemeldet.last(), qMakePair(int(Qt::Key_Dead_Acute), 1008ul));
        QCOMPARE(druecke(XCB_KEY_PRESS | 0x80, 8, XCB_MOD_MASK_SHIFT), 1); // sent by another client
        QCOMPARE(gemeldet.last().first, int(Qt::Key_Dead_Grave));
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
#endif
};

QTEST_MAIN(TstEingabefeld)
#include "tst_eingabefeld.moc"

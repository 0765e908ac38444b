#include "Zufallssitzung.h"

#include "Fensterprobe.h"
#include "Invarianten.h"
#include "Sollwerte.h"
#include "Tippen.h"
#include "engine/Zeichenkette.h"
#include "main_window/Eingabefeld.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTextCharFormat>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>
#include <random>

namespace {

// Characters a paste can bring: German, accented, outside the BMP, combining, right-to-left,
// control characters.
const QString Vorrat =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ0123456789 "
                   ".,;:!?-_'\"§$%&/()=+*#<>^°´`"
                   "éèêàâáìíîóòôùúûÀÁÂÊÎÔÛ€µ²³@[]{}\\~|"
                   "\u0301\u0308\u0327\u05D0\u05D1\u0627\u0644\u200F\u200E\t\r\n\u0000\u001B\u007F"
                   "\uFFFD\uFEFF\u00AD");
const QString Emoji[] = {QStringLiteral("\U0001F600"), QStringLiteral("\U0001F469\u200D\U0001F4BB"),
                         QStringLiteral("\U00010348"), QStringLiteral("\U0001D11E")};
const QString Totetasten = QStringLiteral("éèêàâáìíîóòôùúûÀÁÂÊÎÔÛ´`^");

} // namespace

Zufallssitzung::Zufallssitzung(Hauptfensterprobe &probe, quint64 saat)
    : m_probe(probe), m_feld(probe.feld()),
      m_textFeld(probe.ctrl<QLabel>(QStringLiteral("TextFeld"))),
      m_startTitel(probe.fenster().windowTitle())
{
    std::seed_seq samen{quint32(saat), quint32(saat >> 32)};
    m_zufall.seed(samen);
    m_knoepfe = probe.fenster().findChildren<QAbstractButton *>();
    m_knoepfe.removeAll(probe.ctrl<QAbstractButton>(QStringLiteral("EndE")));
    for (QMenu *menue : probe.fenster().menuBar()->findChildren<QMenu *>()) {
        for (QAction *a : menue->actions()) {
            if (!a->menu() && !a->isSeparator() &&
                a != probe.menuepunkt(QStringLiteral("mnu_beenden")))
                m_menues << a;
        }
    }
}

QString Zufallssitzung::zufallsZeichen()
{
    if (m_zufall.bounded(8) == 0)
        return Emoji[m_zufall.bounded(int(std::size(Emoji)))];
    return QString(Vorrat[m_zufall.bounded(int(Vorrat.size()))]);
}

QString Zufallssitzung::zufallsText(int laenge)
{
    QString t;
    for (int i = 0; i < laenge; ++i)
        t += zufallsZeichen();
    return t;
}

void Zufallssitzung::klickeIrgendwas()
{
    QAbstractButton *k = m_knoepfe[m_zufall.bounded(int(m_knoepfe.size()))];
    m_aktion = QStringLiteral("click %1").arg(k->objectName());
    if (k->isVisible() && k->isEnabled())
        k->click();
}

// An input method at work, as IBus works: a composition shown and changed (a pending dead key,
// a code being entered), a commit that ends it, perhaps rewriting what stands before the caret,
// and keys read before the commit still waiting in the queue.
void Zufallssitzung::eingabemethode(int wurf)
{
    Eingabefeld *feld = m_feld;
    if (wurf < 3) {
        QList<QInputMethodEvent::Attribute> merkmale;
        QTextCharFormat unterstrichen;
        unterstrichen.setFontUnderline(true);
        const QString vorschau =
            wurf == 0 ? QStringLiteral("´") : zufallsText(int(m_zufall.bounded(4)));
        merkmale << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0,
                                                 int(vorschau.size()), unterstrichen);
        if (m_zufall.bounded(2))
            merkmale << QInputMethodEvent::Attribute(
                QInputMethodEvent::Cursor, int(m_zufall.bounded(int(vorschau.size()) + 2)),
                int(m_zufall.bounded(2)));
        if (m_zufall.bounded(4) == 0)
            merkmale << QInputMethodEvent::Attribute(QInputMethodEvent::Selection,
                                                     -int(m_zufall.bounded(10)),
                                                     int(m_zufall.bounded(10)));
        QInputMethodEvent ereignis(vorschau, merkmale);
        m_aktion = QStringLiteral("composition '%1'").arg(vorschau);
        QApplication::sendEvent(feld, &ereignis);
    } else if (wurf < 5) {
        QInputMethodEvent ereignis;
        const int ab = -int(m_zufall.bounded(int(feld->text().size()) + 2));
        const int laenge = int(m_zufall.bounded(4));
        ereignis.setCommitString(zufallsText(int(m_zufall.bounded(3))), ab, laenge);
        m_aktion = QStringLiteral("commit '%1' replacing %2 from %3")
                       .arg(ereignis.commitString())
                       .arg(laenge)
                       .arg(ab);
        QApplication::sendEvent(feld, &ereignis);
    } else {
        // Keys read before the commit wait in the toolkit's queue; the commit comes at once.
        const int n = int(m_zufall.bounded(4)) + 1;
        m_aktion = QStringLiteral("%1 queued keys, then a commit").arg(n);
        for (int i = 0; i < n; ++i)
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                feld->window()->windowHandle(), QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                zufallsZeichen());
        Tippen::festlegen(feld, QString(Totetasten[m_zufall.bounded(int(Totetasten.size()))]));
        m_aenderungen += n;
    }
}

// Something a learner does to the input box itself: typing, editing keys, commands, the mouse.
void Zufallssitzung::amFeld(int wurf)
{
    Eingabefeld *feld = m_feld;
    ++m_aenderungen;
    if (wurf < 40) {
        // The right next character, the way a learner mostly types.
        const QString eingabe = feld->text();
        const QString zeile = m_textFeld->text();
        const qsizetype n = Zeichenkette::anzahl(eingabe);
        const QString naechstes =
            Zeichenkette::anfang(zeile, n + 1).mid(Zeichenkette::anfang(zeile, n).size());
        const QString z = naechstes.isEmpty() ? QStringLiteral("x") : naechstes;
        m_aktion = QStringLiteral("type '%1'").arg(z);
        Tippen::zeichen(feld, z);
    } else if (wurf < 48) {
        const QString z = zufallsZeichen();
        m_aktion = QStringLiteral("type U+%1").arg(z[0].unicode(), 4, 16, QLatin1Char('0'));
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, z, Qt::NoModifier);
    } else if (wurf < 54) {
        eingabemethode(int(m_zufall.bounded(7)));
    } else if (wurf < 56) {
        // A dead key heard, then a letter that may or may not take its accent.
        static constexpr Qt::Key tot[] = {Qt::Key_Dead_Acute, Qt::Key_Dead_Grave,
                                          Qt::Key_Dead_Circumflex};
        const Qt::Key t = tot[m_zufall.bounded(int(std::size(tot)))];
        const QString z = zufallsZeichen();
        m_aktion = QStringLiteral("dead key %1, then '%2'").arg(int(t)).arg(z);
        QTest::sendKeyEvent(QTest::Click, feld, t, QString(), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, z, Qt::NoModifier);
    } else if (wurf < 60) {
        const int art = int(m_zufall.bounded(100));
        const int laenge = art == 0   ? 1 << 20
                           : art < 5  ? int(m_zufall.bounded(5000))
                           : art < 30 ? int(m_zufall.bounded(200))
                                      : int(m_zufall.bounded(8));
        m_aktion = QStringLiteral("paste %1 characters").arg(laenge);
        QApplication::clipboard()->setText(laenge == 1 << 20 ? QString(laenge, u'x')
                                                             : zufallsText(laenge));
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
    } else if (wurf < 62) {
        m_aktion = QStringLiteral("drop");
        QMimeData daten;
        daten.setText(zufallsText(int(m_zufall.bounded(10)) + 1));
        const QPoint ort(int(m_zufall.bounded(feld->width())), feld->height() / 2);
        QDragEnterEvent hinein(ort, Qt::MoveAction | Qt::CopyAction, &daten, Qt::LeftButton,
                               Qt::NoModifier);
        QApplication::sendEvent(feld, &hinein);
        QDropEvent ablegen(ort, Qt::MoveAction | Qt::CopyAction, &daten, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(feld, &ablegen);
    } else if (wurf < 67) {
        m_aktion = QStringLiteral("Backspace");
        QTest::keyClick(feld, Qt::Key_Backspace);
    } else if (wurf < 68) {
        m_aktion = QStringLiteral("Delete");
        QTest::keyClick(feld, Qt::Key_Delete);
    } else if (wurf < 76) {
        struct Bewegung
        {
            Qt::Key taste;
            Qt::KeyboardModifiers zusatz;
        };
        static constexpr Bewegung bewegungen[] = {
            {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
            {Qt::Key_Left, Qt::ControlModifier}, {Qt::Key_Home, Qt::ShiftModifier},
            {Qt::Key_A, Qt::ControlModifier},    {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_PageUp, Qt::NoModifier},    {Qt::Key_L, Qt::AltModifier},
            {Qt::Key_0, Qt::AltModifier},        {Qt::Key_Menu, Qt::NoModifier},
            {Qt::Key_Tab, Qt::NoModifier}};
        const Bewegung &b = bewegungen[m_zufall.bounded(int(std::size(bewegungen)))];
        m_aktion = QStringLiteral("key %1 with %2").arg(int(b.taste)).arg(int(b.zusatz));
        QTest::keyClick(feld, b.taste, b.zusatz);
    } else if (wurf < 81) {
        // A click or a drag into the text, then a key.
        const QPoint von(int(m_zufall.bounded(feld->width())), feld->height() / 2);
        m_aktion = QStringLiteral("click into the text at %1").arg(von.x());
        if (m_zufall.bounded(2)) {
            QTest::mouseClick(feld, Qt::LeftButton, {}, von);
        } else {
            QTest::mousePress(feld, Qt::LeftButton, {}, von);
            QTest::mouseMove(feld, QPoint(int(m_zufall.bounded(feld->width())), von.y()));
            QTest::mouseRelease(feld, Qt::LeftButton, {}, von);
        }
        Tippen::zeichen(feld, zufallsZeichen());
    } else {
        m_aktion = QStringLiteral("Enter");
        QTest::keyClick(feld, Qt::Key_Return);
    }
}

QString Zufallssitzung::schritt()
{
    Eingabefeld *feld = m_feld;
    // The fakes record for one step only, so a long session keeps no history.
    m_probe.umgebung.meldungen.eintraege.clear();
    m_probe.umgebung.browser.aufrufe.clear();
    m_probe.umgebung.hilfe.seiten.clear();
    m_aenderungen = 0;
    // Now and then the learner types on while a message is open.
    m_probe.umgebung.meldungen.waehrendDerMeldung = nullptr;
    if (m_zufall.bounded(4) == 0)
        m_probe.umgebung.meldungen.waehrendDerMeldung = [this] {
            const QString vorher = m_aktion;
            amFeld(int(m_zufall.bounded(85)));
            m_aktion = vorher + QStringLiteral(", then while the message was open: ") + m_aktion;
        };

    const int wurf = int(m_zufall.bounded(100));
    if (wurf < 80) {
        amFeld(int(m_zufall.bounded(85)));
    } else if (wurf < 93) {
        klickeIrgendwas();
    } else if (wurf < 97) {
        const int lektion = int(m_zufall.bounded(30)) + 1;
        m_aktion = QStringLiteral("lesson %1").arg(lektion);
        m_probe.lektion(lektion);
    } else {
        QAction *a = m_menues[m_zufall.bounded(int(m_menues.size()))];
        m_aktion = QStringLiteral("menu %1").arg(a->objectName());
        if (a->isVisible() && a->isEnabled())
            a->trigger();
    }

    Tippen::zustellen(); // what an input method queued
    const tippen &f = m_probe.fenster();
    QString fehler = Invarianten::pruefeFeld(feld->text(), feld->isEnabled(), m_textFeld->text());
    if (fehler.isEmpty())
        fehler = Invarianten::pruefeFenster(
            {f.windowTitle(), m_probe.ctrl<QAbstractButton>(QStringLiteral("FehlerTaste"))->text(),
             m_probe.ctrl<QLabel>(QStringLiteral("FelD2"))->text(),
             m_probe.ctrl<QLabel>(QStringLiteral("MeinText"))->text(),
             m_probe.ctrl(QStringLiteral("Wiederholen"))->isVisible()},
            feld->isEnabled(), m_startTitel);
    const QString echo = m_probe.ctrl<QLabel>(QStringLiteral("MeinText"))->text();
    if (fehler.isEmpty() && feld->isEnabled() && feld->text() != Sollwerte::FeldAmAnfang &&
        echo != QLatin1Char('_') + feld->text())
        fehler = QStringLiteral("echo \"%1\" for \"%2\"").arg(echo, feld->text());
    // An input method learns the caret at the end and nothing selected.
    if (fehler.isEmpty() &&
        (feld->inputMethodQuery(Qt::ImCursorPosition).toInt() != feld->text().size() ||
         !feld->inputMethodQuery(Qt::ImCurrentSelection).toString().isEmpty()))
        fehler = QStringLiteral("caret at %1 of %2")
                     .arg(feld->inputMethodQuery(Qt::ImCursorPosition).toInt())
                     .arg(feld->text().size());
    // At most one message per change of FELD, and one warning for its key; one more for a click.
    if (fehler.isEmpty() && m_probe.umgebung.meldungen.eintraege.size() > 2 * m_aenderungen + 1)
        fehler = QStringLiteral("%1 messages for %2 changes")
                     .arg(m_probe.umgebung.meldungen.eintraege.size())
                     .arg(m_aenderungen);
    return fehler;
}

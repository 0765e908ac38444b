#include "Zufallssitzung.h"

#include "Fensterprobe.h"
#include "Invarianten.h"
#include "Tippen.h"
#include "engine/Zeichenkette.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
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

QString Zufallssitzung::schritt()
{
    QLineEdit *feld = m_feld;
    const QString zeile = m_textFeld->text();
    const bool warRichtig =
        feld->isEnabled() && Invarianten::istRichtigerAnfang(feld->text(), zeile);
    const bool cursorAmEnde = feld->cursorPosition() == feld->text().size();
    bool amEndeGetippt = false;
    // The fakes record for one step only, so a long session keeps no history.
    m_probe.umgebung.meldungen.eintraege.clear();
    m_probe.umgebung.browser.aufrufe.clear();
    m_probe.umgebung.hilfe.seiten.clear();

    const int wurf = int(m_zufall.bounded(100));
    if (wurf < 40) {
        // The right next character, the way a learner mostly types.
        const QString eingabe = Zeichenkette::zusammengesetzt(feld->text());
        const qsizetype n = Zeichenkette::anzahl(eingabe);
        const QString naechstes =
            Zeichenkette::anfang(zeile, n + 1).mid(Zeichenkette::anfang(zeile, n).size());
        const QString z = naechstes.isEmpty() ? QStringLiteral("x") : naechstes;
        m_aktion = QStringLiteral("type '%1'").arg(z);
        Tippen::zeichen(feld, z);
        amEndeGetippt = cursorAmEnde;
    } else if (wurf < 50) {
        const QString z = zufallsZeichen();
        m_aktion = QStringLiteral("type U+%1").arg(z[0].unicode(), 4, 16, QLatin1Char('0'));
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, z, Qt::NoModifier);
        amEndeGetippt = cursorAmEnde && z != QStringLiteral("\r") && z != QStringLiteral("\n");
    } else if (wurf < 55) {
        const QString z(Totetasten[m_zufall.bounded(int(Totetasten.size()))]);
        m_aktion = QStringLiteral("commit '%1'").arg(z);
        Tippen::zeichen(feld, z);
        amEndeGetippt = cursorAmEnde;
    } else if (wurf < 60) {
        const int art = int(m_zufall.bounded(20));
        const int laenge = art == 0  ? int(m_zufall.bounded(2000))
                           : art < 4 ? int(m_zufall.bounded(200))
                                     : int(m_zufall.bounded(8));
        m_aktion = QStringLiteral("paste %1 characters").arg(laenge);
        if (feld->isEnabled())
            feld->insert(zufallsText(laenge));
    } else if (wurf < 65) {
        m_aktion = QStringLiteral("Backspace");
        QTest::keyClick(feld, Qt::Key_Backspace);
    } else if (wurf < 67) {
        m_aktion = QStringLiteral("Delete");
        QTest::keyClick(feld, Qt::Key_Delete);
    } else if (wurf < 71) {
        static constexpr Qt::Key bewegung[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
                                               Qt::Key_Right};
        const Qt::Key taste = bewegung[m_zufall.bounded(4)];
        m_aktion = QStringLiteral("cursor key %1").arg(int(taste));
        QTest::keyClick(feld, taste);
    } else if (wurf < 74) {
        m_aktion = QStringLiteral("type in the middle");
        if (!feld->text().isEmpty()) {
            // Where a learner can put the caret: never between the halves of one character.
            int stelle = int(m_zufall.bounded(int(feld->text().size())));
            if (stelle > 0 && feld->text()[stelle].isLowSurrogate())
                --stelle;
            feld->setCursorPosition(stelle);
        }
        Tippen::zeichen(feld, zufallsZeichen());
    } else if (wurf < 77) {
        m_aktion = QStringLiteral("Enter");
        QTest::keyClick(feld, Qt::Key_Return);
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

    const tippen &f = m_probe.fenster();
    QString fehler = Invarianten::pruefeUebung(feld->text(), feld->isEnabled(), f.uebung().zeile(),
                                               f.uebung().zustand());
    if (fehler.isEmpty())
        fehler = Invarianten::pruefeFenster(
            {f.windowTitle(), m_probe.ctrl<QAbstractButton>(QStringLiteral("FehlerTaste"))->text(),
             m_probe.ctrl<QLabel>(QStringLiteral("FelD2"))->text(),
             m_probe.ctrl<QLabel>(QStringLiteral("MeinText"))->text(),
             m_probe.ctrl(QStringLiteral("Wiederholen"))->isVisible()},
            feld->isEnabled(), m_startTitel);
    if (fehler.isEmpty() && warRichtig && amEndeGetippt && feld->isEnabled() &&
        !Invarianten::istRichtigerAnfang(feld->text(), m_textFeld->text()))
        fehler = QStringLiteral("typing at the end left \"%1\" for \"%2\"")
                     .arg(feld->text(), m_textFeld->text());
    return fehler;
}

#pragma once

#include <QList>
#include <QRandomGenerator>
#include <QString>

class QAbstractButton;
class QAction;
class QLabel;
class Eingabefeld;
class Hauptfensterprobe;

// A learner gone wild: one seeded random action after another on the real main window (typing,
// wrong characters, dead keys, input methods composing and committing as IBus does, keys queued
// behind commits, pastes of anything, editing keys, commands with Alt, Enter, clicks on every
// button, lesson choices, menu items), checking the exercise's promises after each.
class Zufallssitzung
{
public:
    Zufallssitzung(Hauptfensterprobe &probe, quint64 saat);

    // Performs one action; returns what broke afterwards, or an empty string.
    QString schritt();
    // What the last action was, for the failure report.
    const QString &letzteAktion() const { return m_aktion; }

private:
    QString zufallsText(int laenge);
    QString zufallsZeichen();
    void klickeIrgendwas();
    void amFeld(int wurf);
    void eingabemethode(int wurf);

    Hauptfensterprobe &m_probe;
    Eingabefeld *m_feld;
    QLabel *m_textFeld;
    QRandomGenerator m_zufall;
    QList<QAbstractButton *> m_knoepfe;
    QList<QAction *> m_menues;
    QString m_startTitel;
    QString m_aktion;
    int m_aenderungen = 0; // changes sent to FELD in this step
};

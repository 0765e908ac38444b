#pragma once

#include "engine/Feldzugang.h"
#include "engine/Uebung.h"

#include <QList>
#include <QStringList>
#include <functional>

// The exercise without a window: FELD as a plain string that, like the real box, reports every
// change at once and nested, and everything the exercise reports recorded as it came.
class Uebungsprobe : public Feldzugang
{
public:
    Uebungsprobe();

    Uebung uebung;

    // FELD.
    QString feld;
    bool aktiv = true;
    bool fokus = false;
    int cursor = 0;

    // What the exercise reported, the last value of each kind.
    struct Falsch
    {
        QString erwartet;
        QString getippt;
        friend bool operator==(const Falsch &, const Falsch &) = default;
    };
    QList<Falsch> falsch; // every wrong-character message, in order
    int zuLang = 0;       // "TEXT ZU LANG" messages
    QString zeile;        // the line on screen
    int lektion = 0;      // lesson and line of the position display
    qint16 positionZeile = 0;
    QString eingabe;     // the echo
    qint16 fehler = 0;   // the error count as last shown
    int geschafft = 0;   // completed lines reported
    QString lektionText; // of the last completed line
    qint16 fehlerfrei = 0;
    int beendet = 0; // lesson ends reported
    bool wiederholen = true;
    QString lernTasten;
    QString erklaerung;

    // Runs once, while the next message is "open": what the learner might do before confirming.
    std::function<void()> waehrendDerMeldung;

    int pruefungen = 0;      // evaluations run
    int verschachtelung = 0; // deepest nesting of evaluations seen

    // Lesson 1..30 as its menu item chooses it, after the window's load handler.
    void starteLektion(int nummer);

    // A key going down and its character landing at the end of FELD.
    void tippe(const QString &zeichen);
    void tippeZeile(const QString &zeile);
    // Any other change of FELD, as from pasting or editing inside the box.
    void ersetzeFeld(const QString &neu);

    QString text() const override { return feld; }
    void setzeText(const QString &neu) override;
    bool istAktiv() const override { return aktiv; }
    void setzeAktiv(bool a) override { aktiv = a; }
    void cursorAnsEnde() override { cursor = int(feld.size()); }
    void gibFokus() override { fokus = true; }

private:
    void naechsteMeldung();

    int m_tiefe = 0;
};

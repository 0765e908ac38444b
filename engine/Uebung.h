#pragma once

#include "engine/Uebungszustand.h"

#include <QObject>
#include <QString>
#include <functional>

class Feldzugang;

// The typing exercise: choosing a lesson, serving its lines, evaluating every change of the
// input box, counting, stepping back and ending the lesson. It knows no widget: it reads and
// sets the input box through a Feldzugang and reports what happened through its signals, which
// the main window turns into captions, titles and messages.
//
// The signals that ask the learner something (falschesZeichen, eingabeZuLang) are meant for
// direct connections that show a modal message and return once it is confirmed.
class Uebung : public QObject
{
    Q_OBJECT
public:
    explicit Uebung(Feldzugang &feld, QObject *parent = nullptr);

    const Uebungszustand &zustand() const { return m_zustand; }

    // The exercise line the learner is to type; empty once a lesson has ended.
    const QString &zeile() const { return m_zeile; }

    // The select-lesson prompt that FELD holds between lessons.
    static QString auswahlaufforderung();
    // The exercise line shown before any lesson has been chosen.
    static QString anleitung();

    // The main window's load handler: counters first, then, once the window shows, the
    // instruction as the line and lesson 15 as the lesson it leads into.
    void startwerteSetzen();
    void startzeileSetzen();

    // Lesson choice by its 0-based number (0 is lesson 1).
    void LektionWaehlen(int lektionNr);
    void NaechsteZeile();
    void ZeigeZeile(const QString &zeile);

    // Runs on every change of FELD, also when code sets it.
    void PruefeEingabe();
    // Any key going down in FELD.
    void FELD_KeyDown();

    void FehlerTaste_Click();
    void Wiederholen_Click();
    void Fokusrueckgabe();

Q_SIGNALS:
    // Lesson `lektion` (1..30) was chosen: the keys it has taught and its explanation.
    void lektionGewaehlt(int lektion, const QString &lernTasten, const QString &erklaerung);
    // A new exercise line to type.
    void zeileGezeigt(const QString &zeile);
    // The lesson and line the next call of NaechsteZeile will have shown.
    void positionGeaendert(int lektion, qint16 zeile);
    // What the learner has typed of the line, as the evaluation accepted it.
    void eingabeGeaendert(const QString &eingabe);
    void falschesZeichen(const QString &erwartet, const QString &getippt);
    void eingabeZuLang();
    void fehlerGezaehlt(qint16 fehlerZahl);
    void fehlerZurueckgesetzt();
    // A line was typed without error: the lesson as text and the count of completed lines.
    void zeileGeschafft(const QString &lektionText, qint16 fehlerfrei);
    void lektionBeendet();
    void wiederholenMoeglich(bool moeglich);

private:
    void Lektionsende();
    // Asks the learner through a modal message; nothing that reaches the box meanwhile stays.
    void melde(const std::function<void()> &meldung);

    Feldzugang &m_feld;
    Uebungszustand m_zustand;
    QString m_zeile;
    QString m_angenommen;       // what the box holds as a correct beginning of the line
    bool m_platzhalter = false; // the box still shows the prompt it opened with
    bool m_meldungOffen = false;
};

#pragma once

#include "engine/Eingabe.h"
#include "engine/Uebungszustand.h"

#include <QObject>
#include <QString>

// The typing exercise: choosing a lesson, serving its lines, judging everything the learner types,
// counting, stepping back and ending the lesson. It owns the typed text and knows no widget:
// the window hands it what arrived and shows what it announces through its signals.
//
// The signals that ask the learner something (falschesZeichen, eingabeZuLang) are meant for
// direct connections that show a modal message and return once it is confirmed; whatever the
// learner types meanwhile does not count.
class Uebung : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The main window's load handler: counters at 0, the instruction as the line to type, and
    // lesson 15 as the lesson it leads into. The box still shows its prompt, which the first
    // input replaces.
    void starten();
    // Lesson 1..30, as its menu item chooses it.
    void lektionWaehlen(int lektion);
    // Everything that reaches the input box.
    void tippe(const Eingabe &eingabe);
    // One line back.
    void zeileWiederholen();
    void fehlerZuruecksetzen();

    // The line to type; empty once a lesson has ended.
    const QString &zeile() const { return m_zeile; }
    // What has been typed of it.
    const QString &eingabe() const { return m_zustand.Eingabe; }
    // Whether what is typed counts: not after a lesson's end, until the next lesson is chosen.
    bool nimmtEingabenAn() const { return !m_beendet; }

    // The exercise line shown before any lesson has been chosen.
    static QString anleitung();

Q_SIGNALS:
    // Lesson `lektion` (1..30) was chosen: the keys it has taught and its explanation.
    void lektionGewaehlt(int lektion, const QString &lernTasten, const QString &erklaerung);
    // A new exercise line to type.
    void zeileGezeigt(const QString &zeile);
    // The lesson and line that NaechsteZeile shows (the line may lie outside the lesson).
    void positionGeaendert(int lektion, qint16 zeile);
    // What the box holds: the typed text, and while a wrong character is being reported, that
    // character after it.
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
    // The steps, named as the course has always named them.
    void NaechsteZeile();
    void ZeigeZeile(const QString &zeile);
    void PruefeEingabe(const QString &bisher, const QString &neu);
    void Lektionsende();

    void setzeEingabe(const QString &text);
    template <typename Meldung> void melde(Meldung meldung);

    Uebungszustand m_zustand;
    QString m_zeile;
    bool m_platzhalter = false; // the box still shows the prompt it opened with
    bool m_beendet = false;
    bool m_meldungOffen = false;
};

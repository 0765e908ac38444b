#pragma once

#include "main_window/Uebungszustand.h"

#include <QString>

class Uebungsansicht;

// The typing exercise: choosing a lesson, showing its lines, evaluating every change of the input
// box, progress, error count, stepping back and the lesson's end. Holds no widget; everything it
// shows goes through the Uebungsansicht.
class Uebung
{
public:
    static constexpr int ZeilenJeLektion = 15;
    static constexpr int Warnlaenge = 72;

    explicit Uebung(Uebungsansicht &ansicht);

    const Uebungszustand &zustand() const { return z; }
    Uebungszustand &zustand() { return z; }

    // The select-lesson prompt that FELD holds between lessons.
    static QString auswahlaufforderung();
    // The exercise line shown before any lesson has been chosen.
    static QString anleitung();

    // Start values of the window's load handler.
    void startwerteSetzen();
    void startzeileSetzen();

    // Lesson choice with the item's index and its menu's offset (0, 10 or 20).
    void LektionWaehlen(int index, int versatz);
    void NaechsteZeile();
    void ZeigeZeile(const QString &zeile);

    // Runs on every change of FELD, also when code sets it.
    void PruefeEingabe();
    // Any key going down in FELD.
    void FELD_KeyDown();

    void FehlerTaste_Click();
    void Wiederholen_Click();
    void Fokusrueckgabe();

private:
    void Lektionsende();

    Uebungsansicht &a;
    Uebungszustand z;
    int m_korrekturen = 0; // corrections under way, see PruefeEingabe
    bool m_weiterFalsch = false;
    QString m_naechstErwartet;
    QString m_naechstGetippt;
};

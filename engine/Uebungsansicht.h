#pragma once

#include <QString>
#include <QStringView>

// The controls of the main window as the exercise sees them. The window implements it with its
// widgets; the fuzzer and the stress tests with plain values.
//
// Like the real input box, setzeFeldText() must report a change of the text at once (before it
// returns) by calling Uebung::PruefeEingabe(), and must not report anything when the text stays
// the same. The exercise relies on these nested runs.
class Uebungsansicht
{
public:
    virtual ~Uebungsansicht() = default;

    virtual QString feldText() const = 0;
    virtual void setzeFeldText(const QString &text) = 0;
    virtual bool feldAktiv() const = 0;
    virtual void setzeFeldAktiv(bool aktiv) = 0;
    virtual void setzeFeldCursorAnsEnde() = 0;
    virtual void gibFeldFokus() = 0;

    virtual QString textFeld() const = 0;
    virtual void setzeTextFeld(const QString &zeile) = 0;
    virtual void setzeMeinText(const QString &text) = 0;
    virtual void setzeFelD2(const QString &text) = 0;
    virtual void setzeFehlerTaste(const QString &text) = 0;
    virtual void setzeFenstertitel(const QString &titel) = 0;
    virtual void setzeWiederholenSichtbar(bool sichtbar) = 0;
    virtual void setzeText(const QString &text) = 0; // the lesson explanation under the keyboard

    virtual void markiereLernTasten(QStringView tastenCode) = 0;

    // The exercise's own messages: modal, OK only, no icon, the application title as caption.
    virtual void meldung(const QString &text) = 0;
};

#pragma once

#include <QString>

// The input box FELD as the exercise reaches it; the main window gives it the real box.
//
// Like the real box, setzeText() must report a change of the text at once, before it returns,
// by calling Uebung::PruefeEingabe(), and must report nothing when the text stays the same: the
// evaluation runs nested inside whatever set the text, and the exercise relies on that.
class Feldzugang
{
public:
    virtual ~Feldzugang() = default;

    virtual QString text() const = 0;
    virtual void setzeText(const QString &text) = 0;
    virtual bool istAktiv() const = 0;
    virtual void setzeAktiv(bool aktiv) = 0;
    virtual void cursorAnsEnde() = 0;
    virtual void gibFokus() = 0;
};

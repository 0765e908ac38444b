#pragma once

#include "engine/Uebung.h"
#include "engine/Uebungsansicht.h"

#include <QStringList>

// The main window reduced to plain values, for driving the exercise without widgets. Setting the
// input text reports the change at once, nested, exactly like the real input box.
class WerteAnsicht : public Uebungsansicht
{
public:
    WerteAnsicht();

    Uebung uebung;

    QString feld;
    bool feldIstAktiv = true;
    bool feldHatFokus = false;
    int cursor = 0;
    QString zeile;
    QString meinText = QStringLiteral("_");
    QString felD2 = QStringLiteral("Lektion");
    QString fehlerTaste = QStringLiteral("Fehler &0");
    QString titel;
    bool wiederholenSichtbar = true;
    QString text = QStringLiteral("TEXT ZUR LEKTION");
    QString markierung;
    QStringList meldungen;
    int pruefungen = 0;      // evaluations run
    int verschachtelung = 0; // deepest nesting of evaluations seen

    // Typing: the character goes to the end of the input, then the change is reported.
    void tippe(const QString &zeichen);
    void tippeZeile(const QString &zeile);
    // Any edit, as from pasting or editing inside the box.
    void ersetzeFeld(const QString &neu);

    QString feldText() const override { return feld; }
    void setzeFeldText(const QString &neu) override;
    bool feldAktiv() const override { return feldIstAktiv; }
    void setzeFeldAktiv(bool aktiv) override { feldIstAktiv = aktiv; }
    void setzeFeldCursorAnsEnde() override { cursor = int(feld.size()); }
    void gibFeldFokus() override { feldHatFokus = true; }
    QString textFeld() const override { return zeile; }
    void setzeTextFeld(const QString &z) override { zeile = z; }
    void setzeMeinText(const QString &t) override { meinText = t; }
    void setzeFelD2(const QString &t) override { felD2 = t; }
    void setzeFehlerTaste(const QString &t) override { fehlerTaste = t; }
    void setzeFenstertitel(const QString &t) override { titel = t; }
    void setzeWiederholenSichtbar(bool s) override { wiederholenSichtbar = s; }
    void setzeText(const QString &t) override { text = t; }
    void markiereLernTasten(QStringView code) override { markierung = code.toString(); }
    void meldung(const QString &t) override { meldungen << t; }

private:
    int m_tiefe = 0;
};

#pragma once

#include "engine/Feldzugang.h"
#include "engine/Uebung.h"
#include "keyboard/Tastatur.h"
#include "main_window/Umgebung.h"
#include "util/Steuerfeld.h"

#include <QMainWindow>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class Ansage;
class Eingabefeld;
class Formelement;
class KlickLabel;
class Knopf;
class SvgBild;

// The main window: exercise line, echo line, finger guide over the hands picture, command
// buttons, the input box FELD and the on-screen keyboard. The exercise itself is the Uebung it
// owns; the window builds the controls, turns the exercise's reports into captions and messages,
// and hands the learner's actions on.
class tippen : public QMainWindow, private Feldzugang
{
    Q_OBJECT
public:
    static constexpr int ClientBreite = 869;
    static constexpr int ClientHoehe = 683;

    explicit tippen(Umgebung &umgebung, QWidget *parent = nullptr);
    ~tippen() override;

    // Shows the window, running the load handler the first time.
    void Show();

    // Does ahead what the first showing would do at once: the native window, the layout, and a
    // first rendering that fills the font and picture caches. Changes nothing the learner sees.
    void vorbereiten();

    // The exercise: its state and the line on screen.
    const Uebung &uebung() const { return m_uebung; }

    // The button of a key of the on-screen keyboard.
    Knopf *taste(Taste taste) const;

private:
    // Handlers, named after their controls.
    void Form_Load();
    void Finger_Click(int index);
    void ZeigeTasten_Click(int index);
    void MarkiereLernTasten(QStringView tastenCode);
    void MarkiereFingerTasten(QStringView tastenCode);
    void Text_Click();
    void EndE_Click();
    void Beenden_Click();
    void Erklaerung_Click(Taste taste);
    void Adresse_Click(const QString &adresse);
    void Hilfe_Click(int seite);

    void baueOberenBereich();
    void baueTastatur();
    void baueMenues();
    void setzeFokusfolge();
    void benenneFuerScreenreader();
    void verbindeBedienelemente();
    void verbindeUebung();

    enum class Markierung { Fett, Unterstrichen };
    void markiere(QStringView tastenCode, Markierung art);
    void meldung(const QString &text);

    // For screen readers.
    void beschreibeTaste(std::size_t i);
    void beschreibeMarker(int i);
    void beschreibeFeld();
    QString position() const;
    void sage(const QString &text);

    // Feldzugang: the exercise's hold on FELD.
    QString text() const override;
    void setzeText(const QString &text) override;
    bool istAktiv() const override;
    void setzeAktiv(bool aktiv) override;
    void cursorAnsEnde() override;
    void gibFokus() override;

    Umgebung &m_umgebung;
    Uebung m_uebung;
    QFrame *m_rand = nullptr;
    QWidget *m_client = nullptr;
    Ansage *m_ansage = nullptr;
    bool m_geladen = false;
    int m_lektionAufSchirm = 0; // lesson and line of the line on screen
    int m_zeileAufSchirm = 0;
    QString m_ansageVorspann; // what a completed line has to say before the next one

    // Controls, named and indexed as the handlers address them.
    QLabel *TextFeld = nullptr;
    QLabel *MeinText = nullptr;
    Steuerfeld<QLabel *, 0, 2> Bezeichnung1;
    Steuerfeld<Knopf *, 0, 7> Finger;
    SvgBild *Image1 = nullptr;
    Steuerfeld<Formelement *, 0, 9> DieFinger;
    Steuerfeld<Knopf *, 0, 1> ZeigeTasten;
    Knopf *EndE = nullptr;
    Knopf *FehlerTaste = nullptr;
    Knopf *Wiederholen = nullptr;
    QLabel *FelD2 = nullptr;
    Eingabefeld *FELD = nullptr;
    Formelement *Figur1 = nullptr;
    KlickLabel *Text = nullptr;
    // The keys of the on-screen keyboard, in the order of the keyboard table.
    std::array<Knopf *, Tastatur::AnzahlTasten> m_tasten{};

    QAction *mnu_beenden = nullptr;
    Steuerfeld<QAction *, 0, 9> Lektion1;
    Steuerfeld<QAction *, 0, 9> Lektion2;
    Steuerfeld<QAction *, 0, 9> Lektion3;
    QAction *mnu_Kurzanleitung = nullptr;
    QAction *mnu_FingerBild = nullptr;
};

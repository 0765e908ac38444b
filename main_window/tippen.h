#pragma once

#include "app/Umgebung.h"
#include "engine/Uebung.h"
#include "engine/Uebungsansicht.h"
#include "keyboard/Taste.h"
#include "util/Steuerfeld.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class Eingabefeld;
class Formelement;
class KlickLabel;
class Knopf;
class SvgBild;

// The main window: exercise line, echo line, finger guide over the hands picture, command
// buttons, the input box FELD and the on-screen keyboard. Its handlers hand the exercise to
// Uebung and the keyboard marking to Tastenmarkierung; the window itself only owns the controls.
class tippen : public QMainWindow, private Uebungsansicht
{
    Q_OBJECT
public:
    static constexpr int ClientBreite = 869;
    static constexpr int ClientHoehe = 683;

    explicit tippen(Umgebung &umgebung, QWidget *parent = nullptr);
    ~tippen() override;

    // Shows the window, running the load handler the first time.
    void Show();
    bool istGeladen() const { return m_geladen; }

    const Uebungszustand &zustand() const { return m_uebung.zustand(); }
    Uebungszustand &zustand() { return m_uebung.zustand(); }
    Uebung &uebung() { return m_uebung; }

    // The client area inside the sunken edge; all positions are relative to it.
    QWidget *client() const { return m_client; }
    QPushButton *taste(Taste taste) const;

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

    Steuerfeld<Knopf *, 0, 28> Buchstaben;
    Steuerfeld<Knopf *, 0, 9> Zahlentasten;
    Steuerfeld<Knopf *, 0, 8> Zeichentaste;
    Steuerfeld<Knopf *, 0, 1> ShiftTaste;
    Steuerfeld<Knopf *, 0, 1> Strgtaste;
    Steuerfeld<Knopf *, 2, 2> LeerTaste;
    Knopf *LockTaste = nullptr;
    Knopf *TabTaste = nullptr;
    Knopf *Ruecktaste = nullptr; // Rücktaste
    Knopf *AltGrTaste = nullptr;
    Knopf *Alttaste = nullptr;
    Knopf *Command1 = nullptr;
    Knopf *Command2 = nullptr;
    Knopf *Command3 = nullptr;
    Knopf *Command4 = nullptr;

    // Menus.
    QMenu *mnu_Programm = nullptr;
    QAction *mnu_beenden = nullptr;
    QMenu *mnu_Lektionen = nullptr;
    QMenu *mnu_1bis10 = nullptr;
    QMenu *mnu_11bis20 = nullptr;
    QMenu *mnu_21bis30 = nullptr;
    QMenu *mnu_UebungsT = nullptr; // mnu_ÜbungsT
    Steuerfeld<QAction *, 0, 9> Lektion1;
    Steuerfeld<QAction *, 0, 9> Lektion2;
    Steuerfeld<QAction *, 0, 9> Lektion3;
    Steuerfeld<QAction *, 1, 3> Lektion4;
    QMenu *mnu_Webseiten = nullptr;
    QMenu *mnu_Hilfe = nullptr;
    QAction *mnu_Kurzanleitung = nullptr;
    QAction *mnu_FingerBild = nullptr;
    QMenu *mnu_update = nullptr;

    // Handlers.
    void Form_Load();
    void Finger_Click(int index);
    void ZeigeTasten_Click(int index);
    void MarkiereLernTasten(QStringView tastenCode);
    void MarkiereFingerTasten(QStringView tastenCode);
    void Text_Click();
    void EndE_Click();
    void Erklaerung_Click(Taste taste);
    void Adresse_Click(const QString &adresse);
    void Hilfe_Click(int seite);
    void Beenden_Click();

private:
    void baueOberenBereich();
    void baueTastatur();
    void baueMenues();
    void setzeFokusfolge();
    void benenneFuerScreenreader();
    void verbinde();

    // Uebungsansicht
    QString feldText() const override;
    void setzeFeldText(const QString &text) override;
    bool feldAktiv() const override;
    void setzeFeldAktiv(bool aktiv) override;
    void setzeFeldCursorAnsEnde() override;
    void gibFeldFokus() override;
    QString textFeld() const override;
    void setzeTextFeld(const QString &zeile) override;
    void setzeMeinText(const QString &text) override;
    void setzeFelD2(const QString &text) override;
    void setzeFehlerTaste(const QString &text) override;
    void setzeFenstertitel(const QString &titel) override;
    void setzeWiederholenSichtbar(bool sichtbar) override;
    void setzeText(const QString &text) override;
    void markiereLernTasten(QStringView tastenCode) override;
    void meldung(const QString &text) override;

    Umgebung &m_umgebung;
    Uebung m_uebung;
    QFrame *m_rand = nullptr;
    QWidget *m_client = nullptr;
    bool m_geladen = false;
};

#pragma once

#include "engine/Uebung.h"
#include "keyboard/Taste.h"
#include "main_window/Umgebung.h"
#include "util/Steuerfeld.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QUrl;
class Ansage;
class Bildschirmtastatur;
class Eingabefeld;
class Fingeranzeige;
class Hauptmenue;
class KlickLabel;
class Knopf;
class Tippumleitung;
class Zeilenfeld;

// The main window: the exercise line and the echo of what was typed, the finger guide over the
// hands, the command buttons, the input box FELD and the on-screen keyboard, under a menu bar.
// The exercise itself is the Uebung it owns: the window hands it what the learner does and shows
// what it announces, as captions, titles, messages and news for screen readers.
class tippen : public QMainWindow
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

    // The select-lesson prompt that FELD holds between lessons.
    static QString auswahlaufforderung();

private:
    // Handlers, named after their controls.
    void Form_Load();
    void Lektion_Click(int lektion);
    void FehlerTaste_Click();
    void Wiederholen_Click();
    void EndE_Click();
    void Text_Click();
    void Finger_Click(int index);
    void ZeigeTasten_Click(int index);
    void Erklaerung_Click(Taste taste);
    void Adresse_Click(const QUrl &adresse);
    void Hilfe_Click(int seite);
    void Beenden_Click();
    void MarkiereLernTasten(QStringView tastenCode);
    void MarkiereFingerTasten(QStringView tastenCode);
    void Fokusrueckgabe();
    void Lektionsende();

    void baueUebungsfeld();
    void setzeFokusfolge();
    void benenneFuerScreenreader();
    void verbindeBedienelemente();
    void verbindeUebung();
    void baueSprechtasten();
    void meldung(const QString &text, const QString &gesprochen = {});

    // For screen readers.
    void beschreibeFeld();
    QString position() const;
    void sage(const QString &text);
    void echo(const QString &vorher, const QString &jetzt);

    Umgebung &m_umgebung;
    Uebung m_uebung;
    QFrame *m_rand = nullptr;
    QWidget *m_client = nullptr;
    Fingeranzeige *m_fingeranzeige = nullptr;
    Bildschirmtastatur *m_tastatur = nullptr;
    Hauptmenue *m_menue = nullptr;
    Tippumleitung *m_umleitung = nullptr;
    Ansage *m_ansage = nullptr;
    bool m_geladen = false;
    bool m_lektionGewaehlt = false;
    int m_lektionAufSchirm = 0; // lesson and line of the line on screen
    int m_zeileAufSchirm = 0;
    int m_fehler = 0;     // the error count as the button shows it
    int m_fehlerfrei = 0; // lines done in the lesson at hand
    int m_geschafft = -1; // lines done when a line was just completed, else -1
    int m_positionen = 0; // lines the exercise has moved to, counted to see it move

    // The exercise panel's controls, named as the handlers address them.
    Zeilenfeld *TextFeld = nullptr;
    QLabel *MeinText = nullptr;
    Steuerfeld<Knopf *, 0, 1> ZeigeTasten;
    Knopf *EndE = nullptr;
    Knopf *FehlerTaste = nullptr;
    Knopf *Wiederholen = nullptr;
    QLabel *FelD2 = nullptr;
    Eingabefeld *FELD = nullptr;
    KlickLabel *Text = nullptr;
};

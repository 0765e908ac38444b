#pragma once

// The windows as a test meets them: created with recording fakes for everything outside, shown
// and active, their controls found by the names the design gives them, lessons chosen through the
// menu as the learner does. Tests that use only these reach the windows from outside.

#include "Fakes.h"
#include "main_window/Eingabefeld.h"

#include <QAction>
#include <QWidget>
#include <functional>
#include <memory>

class AStart;
class tippen;

class Hauptfensterprobe
{
public:
    Hauptfensterprobe();
    // With an outside world of the test's choosing, such as the real message boxes.
    explicit Hauptfensterprobe(Umgebung &eigene);
    ~Hauptfensterprobe();

    Testumgebung umgebung;

    tippen &fenster() const { return *m_fenster; }

    // Runs the load handler and shows the window; waits until it is on screen and active.
    void zeige();

    // The control with this object name ("FELD", "Buchstaben_0", "Rücktaste" …); fails the test
    // run when there is none.
    QWidget *ctrl(const QString &name) const;
    template <typename T> T *ctrl(const QString &name) const
    {
        auto *w = qobject_cast<T *>(ctrl(name));
        if (!w)
            qFatal("control %s has another type", qPrintable(name));
        return w;
    }
    Eingabefeld *feld() const;
    // The client area, where every place of the design is measured.
    QWidget *client() const;
    // Where control `name` stands in the client area.
    QRect platz(const QString &name) const;
    // What a label, a button or the input box shows.
    QString text(const QString &name) const;

    // Types into FELD as a German keyboard delivers it.
    void tippe(const QString &text) const;
    // Lines `von` to `bis` of lesson `lektion`, each as it stands.
    void tippeZeilen(int lektion, int von, int bis) const;

    // The menu item with this object name ("Lektion1_0", "mnu_beenden" …).
    QAction *menuepunkt(const QString &name) const;

    // Lesson 1..30 through its item in the "Lektionen" menu.
    void lektion(int nummer) const;

    // The texts of the recorded message boxes, oldest first; forgets them.
    QStringList meldungen();

private:
    std::unique_ptr<tippen> m_fenster;
};

// A caption as the learner reads it: "&" marks the access key, "&&" shows one "&".
QString ohneZugriffstaste(const QString &beschriftung);

// Runs `bedienen`, which opens a modal window, and hands that window to `pruefen` once it is up.
void mitModalemFenster(const std::function<void()> &bedienen,
                       const std::function<void(QWidget *)> &pruefen);

class Startfensterprobe
{
public:
    Startfensterprobe();
    ~Startfensterprobe();

    Testumgebung umgebung;

    AStart &fenster() const { return *m_fenster; }
    void zeige();
    QWidget *ctrl(const QString &name) const;

private:
    std::unique_ptr<AStart> m_fenster;
};

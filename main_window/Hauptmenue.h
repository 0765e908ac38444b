#pragma once

#include <QObject>

class QMenuBar;
class QUrl;

// The main window's menu bar: the program, the thirty lessons, the web links and the help. It
// builds the menus into a menu bar and reports the learner's choices.
class Hauptmenue : public QObject
{
    Q_OBJECT
public:
    explicit Hauptmenue(QMenuBar *leiste);

Q_SIGNALS:
    void beenden();
    void lektionGewaehlt(int lektion); // 1..30
    void adresseGewaehlt(const QUrl &adresse);
    void hilfeGewaehlt(int seite); // 1 "Kurzanleitung", 2 "Finger im Bild"
};

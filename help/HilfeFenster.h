#pragma once

#include <QDialog>

class QTabWidget;
class QTextBrowser;
class FingerBild;

// The help window: page 1 "Kurzanleitung", page 2 "Finger im Bild". Esc or "Schließen" closes it.
class HilfeFenster : public QDialog
{
    Q_OBJECT
public:
    explicit HilfeFenster(int seite, QWidget *parent = nullptr);

    void setzeSeite(int seite);

private:
    QTabWidget *m_seiten = nullptr;
    QTextBrowser *m_anleitung = nullptr;
    FingerBild *m_fingerBild = nullptr;
};

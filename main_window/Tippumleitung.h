#pragma once

#include <QObject>

class QWidget;

// During a lesson a character typed while another control of the window has the focus, a button
// after a stray Tab for instance, goes to the input box, which takes the focus back and checks it
// there. Typing is what a learner does most; a key slipping onto Tab must cost nothing. Enter,
// which the exercise never uses, and access keys with Alt still press the buttons.
class Tippumleitung : public QObject
{
    Q_OBJECT
public:
    Tippumleitung(QWidget *feld, QObject *parent = nullptr);

    // Watches a control of the window that can take the focus.
    void beobachte(QWidget *steuerelement);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    QWidget *m_feld;
};

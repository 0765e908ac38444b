#pragma once

#include <QLineEdit>

// The learner's input box. Every key that goes down, and every character an input method commits
// (dead-key letters arrive that way), is announced before it reaches the text; Enter never does.
class Eingabefeld : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void tasteRunter();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};

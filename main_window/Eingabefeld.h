#pragma once

#include <QLineEdit>
#include <memory>

class Totetastenwaechter;

// The learner's input box. The caret always stands at the end of what has been typed: cursor
// keys, clicks, selections and drops never move it or replace text inside the line, and pastes,
// drops and middle clicks insert at the end. Every key that goes down, and every character an
// input method commits (dead-key letters arrive that way), is announced before it reaches the
// text; Enter never reaches it. While a modal box is open nothing reaches it at all.
class Eingabefeld : public QLineEdit
{
    Q_OBJECT
public:
    explicit Eingabefeld(const QString &anfang, QWidget *parent = nullptr);
    ~Eingabefeld() override;

Q_SIGNALS:
    void tasteRunter();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void amEndeEinfuegen(const QString &text);
    bool nimmtTastenAn() const;

    std::unique_ptr<Totetastenwaechter> m_waechter; // on X11 only
};

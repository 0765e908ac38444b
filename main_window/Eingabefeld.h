#pragma once

#include "engine/Eingabe.h"
#include "main_window/Totetaste.h"

#include <QBasicTimer>
#include <QInputMethodEvent>
#include <QTextLayout>
#include <QWidget>
#include <memory>
#include <optional>

class QStyleOptionFrame;
class Totetastenwaechter;

// The learner's input box FELD. It shows what the exercise says has been typed, with the caret
// always at its end, and hands on everything the learner does in it as an Eingabe: keys, an input
// method's commits and rewrites, pastes, drops and middle clicks. It never edits its own text, so
// it never moves the caret under an input method, never resets one while it composes, and a key
// can only ever add at the end or take back from it.
//
// Keys reach the exercise in the order they were pressed. An input method commits a composed
// letter the moment its last key is read, while keys read before it may still wait in the
// toolkit's queue; so the box puts every commit, and every dead key it hears of, at the end of
// that queue instead of passing it on at once.
class Eingabefeld : public QWidget
{
    Q_OBJECT
public:
    explicit Eingabefeld(const QString &text, QWidget *parent = nullptr);
    ~Eingabefeld() override;

    const QString &text() const { return m_text; }
    void zeige(const QString &text);

    // What an input method composes before it commits (IBus shows a pending dead key so).
    const QString &vorschau() const { return m_vorschau; }

    // Forgets a dead key pressed but not completed, here and in the input method.
    void totetasteVergessen();

    // Where character `stelle` of the text is drawn, in the box's coordinates.
    QRect zeichenRechteck(int stelle) const;

    QVariant inputMethodQuery(Qt::InputMethodQuery abfrage) const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    void eingegeben(const Eingabe &eingabe);

protected:
    bool event(QEvent *ereignis) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void ordneAn();
    void initStyleOption(QStyleOptionFrame *option) const;
    QRect zeilenbereich() const;
    QPoint textursprung() const;
    int caretStelle() const;
    void caretZeigen();
    void meldeFuerScreenreader(const QString &vorher);
    // Puts a key press at the end of the toolkit's queue of keys not yet delivered.
    void totetaste(const Totetaste &tot, ulong zeit);
    void tippe(const QString &text);
    void reiheEin(int taste, const QString &text);
    void einfuegen(const QString &text, bool tasteRunter);

    QString m_text;
    QString m_vorschau;
    QList<QTextLayout::FormatRange> m_vorschauFormate; // within the composition
    int m_vorschauCaret = -1;                          // within the composition; -1: at its end
    bool m_caretVerborgen = false;
    QTextLayout m_layout;
    QBasicTimer m_blinken;
    bool m_caretAn = true;
    std::optional<Totetaste> m_totetaste; // pressed, still waiting for its letter
    ulong m_totetasteZeit = 0;
    std::unique_ptr<Totetastenwaechter> m_waechter; // on X11 only
};

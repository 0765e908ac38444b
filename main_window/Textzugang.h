#pragma once

#include <QAccessibleWidget>

// One line of text as a screen reader reads it: by character, by word and as a line, with the
// places of the characters on screen. Every question is answered from plain bounds, also the ones
// a reader asks at the end of the text or at a leading blank. The widgets say what their text is,
// where the caret stands and where a character is drawn.
class Textzugang : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    Textzugang(QWidget *widget, QAccessible::Role rolle);

    void *interface_cast(QAccessible::InterfaceType art) override;

    // QAccessibleTextInterface
    void selection(int auswahl, int *anfang, int *ende) const override;
    int selectionCount() const override;
    void addSelection(int anfang, int ende) override;
    void removeSelection(int auswahl) override;
    void setSelection(int auswahl, int anfang, int ende) override;
    int cursorPosition() const override;
    void setCursorPosition(int stelle) override;
    QString text(int anfang, int ende) const override;
    QString textBeforeOffset(int stelle, QAccessible::TextBoundaryType grenze, int *anfang,
                             int *ende) const override;
    QString textAfterOffset(int stelle, QAccessible::TextBoundaryType grenze, int *anfang,
                            int *ende) const override;
    QString textAtOffset(int stelle, QAccessible::TextBoundaryType grenze, int *anfang,
                         int *ende) const override;
    int characterCount() const override;
    QRect characterRect(int stelle) const override;
    int offsetAtPoint(const QPoint &punkt) const override;
    void scrollToSubstring(int anfang, int ende) override;
    QString attributes(int stelle, int *anfang, int *ende) const override;

    using QAccessibleWidget::text;

protected:
    virtual QString inhalt() const = 0;
    virtual int caret() const = 0;
    // Where character `stelle` is drawn, in the widget's coordinates; empty outside the text.
    virtual QRect zeichenOrt(int stelle) const = 0;
};

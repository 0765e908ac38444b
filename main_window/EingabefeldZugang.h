#pragma once

#include <QAccessibleWidget>

class QLineEdit;

// What a screen reader reads of the input box: its text, the caret at its end, and the line to
// type in its description. Qt's own interface for line edits loops forever when a screen reader
// asks for the word at the end of the text or at a leading blank, which a reader does while the
// learner types; this one answers every question about the text from plain bounds.
class EingabefeldZugang : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit EingabefeldZugang(QLineEdit *feld);

    // Installs the factory that gives every Eingabefeld this interface; once per program.
    static void einrichten();

    void *interface_cast(QAccessible::InterfaceType art) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text art) const override;

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

private:
    QLineEdit *feld() const;
};

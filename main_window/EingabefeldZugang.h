#pragma once

#include <QAccessibleWidget>

class Eingabefeld;

// What a screen reader reads of the input box: its text, the caret at its end, and the line to
// type in its description. Every question about the text is answered from plain bounds, also the
// ones a reader asks at the end of the text or at a leading blank while the learner types.
class EingabefeldZugang : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit EingabefeldZugang(Eingabefeld *feld);

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
    Eingabefeld *feld() const;
};

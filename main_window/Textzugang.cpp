#include "main_window/Textzugang.h"

#include <QWidget>

namespace {

struct Abschnitt
{
    int anfang = -1;
    int ende = -1;
};

// The piece of `text` around `stelle` that a boundary of this kind delimits. Words are runs of
// non-blanks and the blanks between them; characters are single units; anything larger is the
// whole line, for the box holds one line. Every loop runs within the text's bounds.
Abschnitt abschnittBei(const QString &text, int stelle, QAccessible::TextBoundaryType grenze)
{
    const int n = int(text.size());
    if (n == 0 || stelle < 0 || stelle > n)
        return {};
    switch (grenze) {
    case QAccessible::CharBoundary:
        if (stelle >= n)
            return {};
        if (text[stelle].isHighSurrogate() && stelle + 1 < n)
            return {stelle, stelle + 2};
        return {stelle, stelle + 1};
    case QAccessible::WordBoundary: {
        // At the end of the text the word is the last one.
        const int bei = stelle == n ? n - 1 : stelle;
        const bool leer = text[bei].isSpace();
        int anfang = bei;
        while (anfang > 0 && text[anfang - 1].isSpace() == leer)
            --anfang;
        int ende = bei + 1;
        while (ende < n && text[ende].isSpace() == leer)
            ++ende;
        return {anfang, ende};
    }
    default:
        return {0, n};
    }
}

QString ausschneiden(const QString &text, Abschnitt a, int *anfang, int *ende)
{
    *anfang = a.anfang;
    *ende = a.ende;
    return a.anfang < 0 ? QString() : text.mid(a.anfang, a.ende - a.anfang);
}

} // namespace

Textzugang::Textzugang(QWidget *widget, QAccessible::Role rolle) : QAccessibleWidget(widget, rolle)
{
}

void *Textzugang::interface_cast(QAccessible::InterfaceType art)
{
    if (art == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(art);
}

void Textzugang::selection(int, int *anfang, int *ende) const
{
    *anfang = 0;
    *ende = 0;
}

int Textzugang::selectionCount() const
{
    return 0; // nothing is ever selected
}

void Textzugang::addSelection(int, int) {}
void Textzugang::removeSelection(int) {}
void Textzugang::setSelection(int, int, int) {}

int Textzugang::cursorPosition() const
{
    return caret();
}

void Textzugang::setCursorPosition(int)
{
    // The caret stays where the widget keeps it.
}

QString Textzugang::text(int anfang, int ende) const
{
    const QString t = inhalt();
    anfang = qBound(0, anfang, int(t.size()));
    ende = ende < 0 ? int(t.size()) : qBound(anfang, ende, int(t.size()));
    return t.mid(anfang, ende - anfang);
}

QString Textzugang::textAtOffset(int stelle, QAccessible::TextBoundaryType grenze, int *anfang,
                                 int *ende) const
{
    const QString t = inhalt();
    if (stelle == -2)
        stelle = cursorPosition();
    return ausschneiden(t, abschnittBei(t, stelle, grenze), anfang, ende);
}

QString Textzugang::textBeforeOffset(int stelle, QAccessible::TextBoundaryType grenze, int *anfang,
                                     int *ende) const
{
    const QString t = inhalt();
    if (stelle == -2)
        stelle = cursorPosition();
    // The piece that ends where the one at the offset begins (at the end: the last piece).
    const Abschnitt hier = abschnittBei(t, stelle, grenze);
    const int vorher = (hier.anfang < 0 ? qMin(stelle, int(t.size())) : hier.anfang) - 1;
    return ausschneiden(t, vorher < 0 ? Abschnitt{} : abschnittBei(t, vorher, grenze), anfang,
                        ende);
}

QString Textzugang::textAfterOffset(int stelle, QAccessible::TextBoundaryType grenze, int *anfang,
                                    int *ende) const
{
    const QString t = inhalt();
    if (stelle == -2)
        stelle = cursorPosition();
    const Abschnitt hier = abschnittBei(t, stelle, grenze);
    if (hier.ende < 0 || hier.ende >= t.size())
        return ausschneiden(t, {}, anfang, ende);
    return ausschneiden(t, abschnittBei(t, hier.ende, grenze), anfang, ende);
}

int Textzugang::characterCount() const
{
    return int(inhalt().size());
}

QRect Textzugang::characterRect(int stelle) const
{
    const QRect zeichen = zeichenOrt(stelle);
    if (zeichen.isNull())
        return {};
    return QRect(widget()->mapToGlobal(zeichen.topLeft()), zeichen.size());
}

int Textzugang::offsetAtPoint(const QPoint &punkt) const
{
    const QPoint hier = widget()->mapFromGlobal(punkt);
    for (int i = 0; i < characterCount(); ++i) {
        if (zeichenOrt(i).contains(hier))
            return i;
    }
    return -1;
}

void Textzugang::scrollToSubstring(int, int) {}

QString Textzugang::attributes(int, int *anfang, int *ende) const
{
    // One run without attributes of its own: the whole text.
    *anfang = 0;
    *ende = characterCount();
    return {};
}

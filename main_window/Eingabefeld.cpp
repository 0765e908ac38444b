#include "main_window/Eingabefeld.h"

#include "main_window/EingabefeldZugang.h"
#include "main_window/Totetastenwaechter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <xcb/xcb.h>

namespace {

bool istEingabetaste(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
           event->text() == QStringView(u"\r");
}

// Keys that would move the caret, select, or bring back text the box held before: typing goes
// on at the end of a correct beginning, and Backspace is the way to take characters back.
bool bewegtDenCursor(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return event->matches(QKeySequence::SelectAll);
    }
}

bool meldungOffen()
{
    return QApplication::activeModalWidget() != nullptr;
}

} // namespace

Eingabefeld::Eingabefeld(const QString &anfang, QWidget *parent) : QLineEdit(anfang, parent)
{
    EingabefeldZugang::einrichten();
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t *verbindung = x11 ? x11->connection() : nullptr) {
        m_waechter = std::make_unique<Totetastenwaechter>(
            [verbindung] { return Totetastenwaechter::belegungVon(verbindung); },
            [this] { return nimmtTastenAn(); },
            [this] {
                // After the filter: the key press itself goes on to the input method first.
                QMetaObject::invokeMethod(
                    this, [this] { Q_EMIT tasteRunter(); }, Qt::QueuedConnection);
            });
        QCoreApplication::instance()->installNativeEventFilter(m_waechter.get());
    }
    // Whatever moves the caret or selects (an input method, the context menu's "select all"),
    // the caret goes back to the end and nothing stays selected.
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (cursorPosition() != text().size())
            setCursorPosition(int(text().size()));
    });
    connect(this, &QLineEdit::selectionChanged, this, [this] {
        if (hasSelectedText())
            deselect();
    });
}

Eingabefeld::~Eingabefeld()
{
    if (m_waechter)
        QCoreApplication::instance()->removeNativeEventFilter(m_waechter.get());
}

bool Eingabefeld::nimmtTastenAn() const
{
    return QApplication::focusWidget() == this && isEnabled() && !meldungOffen();
}

void Eingabefeld::keyPressEvent(QKeyEvent *event)
{
    if (meldungOffen()) {
        event->accept();
        return;
    }
    Q_EMIT tasteRunter();
    if (istEingabetaste(event) || bewegtDenCursor(event)) {
        // Enter confirms the message boxes; in the input box it must not count as a character.
        event->accept();
        return;
    }
    end(false);
    QLineEdit::keyPressEvent(event);
}

void Eingabefeld::inputMethodEvent(QInputMethodEvent *event)
{
    if (meldungOffen() && (!event->commitString().isEmpty() || event->replacementLength() != 0)) {
        event->accept();
        return;
    }
    if (!event->commitString().isEmpty())
        Q_EMIT tasteRunter();
    end(false);
    // An input method may rewrite text around the caret as it commits. Up to the caret that is
    // taking characters back and typing others; anything before that would change correct
    // characters inside the line, and after the caret there is nothing. So a rewrite ends at the
    // caret, and one that ends before it leaves the text alone: its text is typed at the end.
    const int ab = event->replacementStart();
    const int bis = ab + event->replacementLength();
    // Not before the first character either: the line edit would keep the unused part of the
    // range as a selection.
    const int neuAb = ab < 0 && bis >= 0 ? std::max(ab, -int(text().size())) : 0;
    if (neuAb != ab || -neuAb != event->replacementLength()) {
        QInputMethodEvent amEnde(event->preeditString(), event->attributes());
        amEnde.setCommitString(event->commitString(), neuAb, -neuAb);
        QLineEdit::inputMethodEvent(&amEnde);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void Eingabefeld::mousePressEvent(QMouseEvent *event)
{
    // The application has already given the focus for the click; the caret stays where typing
    // goes on.
    event->accept();
}

void Eingabefeld::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void Eingabefeld::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && rect().contains(event->position().toPoint()) &&
        QApplication::clipboard()->supportsSelection())
        amEndeEinfuegen(QApplication::clipboard()->text(QClipboard::Selection));
    event->accept();
}

void Eingabefeld::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void Eingabefeld::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void Eingabefeld::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Eingabefeld::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // A drop is a paste at the end, never a move of text inside the line.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    amEndeEinfuegen(event->mimeData()->text());
}

void Eingabefeld::contextMenuEvent(QContextMenuEvent *event)
{
    // The box keeps a correct beginning with the caret at its end, so of the usual editing
    // commands only pasting applies (at the end, checked like typing); undo and redo would bring
    // back text the exercise took out.
    auto *menue = new QMenu(this);
    menue->setAttribute(Qt::WA_DeleteOnClose);
    const QString text = QApplication::clipboard()->text();
    QAction *einfuegen = menue->addAction(QStringLiteral("&Einfügen\tStrg+V"), this,
                                          [this, text] { amEndeEinfuegen(text); });
    einfuegen->setEnabled(!text.isEmpty());
    menue->popup(event->globalPos());
    event->accept();
}

void Eingabefeld::amEndeEinfuegen(const QString &text)
{
    if (meldungOffen() || text.isEmpty())
        return;
    end(false);
    insert(text);
}

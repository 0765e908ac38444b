#include "main_window/Eingabefeld.h"

#include "main_window/EingabefeldZugang.h"
#include "main_window/Totetastenwaechter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <xcb/xcb.h>

namespace {

bool istEingabetaste(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
           event->text() == QStringView(u"\r");
}

// Keys that would move the caret or select: the caret stays at the end of the line.
bool bewegtDenCursor(const QKeyEvent *event)
{
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
    if (meldungOffen() && !event->commitString().isEmpty()) {
        event->accept();
        return;
    }
    if (!event->commitString().isEmpty())
        Q_EMIT tasteRunter();
    end(false);
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

void Eingabefeld::amEndeEinfuegen(const QString &text)
{
    if (meldungOffen() || text.isEmpty())
        return;
    end(false);
    insert(text);
}

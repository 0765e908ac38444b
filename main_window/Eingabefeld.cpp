#include "main_window/Eingabefeld.h"

#include "main_window/EingabefeldZugang.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QList>
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

// On X11 the input method takes dead keys (´ ` ^) before any widget sees them, and turns the
// letter after one into a commit: the box would never hear those keys go down. This watches the
// raw key presses meant for the box; a press that reaches it neither as a key event nor as a
// commit (a dead key) is announced right after it has been handled.
class Eingabefeld::Tastenbeobachter : public QAbstractNativeEventFilter
{
public:
    explicit Tastenbeobachter(Eingabefeld &feld) : m_feld(feld)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Tastenbeobachter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &art, void *nachricht, qintptr *) override
    {
        if (art != "xcb_generic_event_t")
            return false;
        const auto *ereignis = static_cast<const xcb_generic_event_t *>(nachricht);
        if ((ereignis->response_type & ~0x80) != XCB_KEY_PRESS || !m_feld.nimmtTastenAn())
            return false;
        const quint32 zeit = static_cast<const xcb_key_press_event_t *>(nachricht)->time;
        m_offen.append(zeit);
        m_aktuell = zeit;
        QMetaObject::invokeMethod(
            &m_feld,
            [this, zeit] {
                if (m_offen.removeOne(zeit))
                    Q_EMIT m_feld.tasteRunter();
            },
            Qt::QueuedConnection);
        return false;
    }

    // The box heard of the press: as a key event, or as the commit it brought.
    void gehoert(quint32 zeit) { m_offen.removeOne(zeit); }
    void commitGehoert() { m_offen.removeOne(m_aktuell); }

private:
    Eingabefeld &m_feld;
    QList<quint32> m_offen; // presses not heard of yet, by their X server time
    quint32 m_aktuell = 0;  // the press being handled now
};

Eingabefeld::Eingabefeld(const QString &anfang, QWidget *parent) : QLineEdit(anfang, parent)
{
    EingabefeldZugang::einrichten();
    if (QGuiApplication::platformName() == u"xcb")
        m_beobachter = std::make_unique<Tastenbeobachter>(*this);
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

Eingabefeld::~Eingabefeld() = default;

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
    if (m_beobachter)
        m_beobachter->gehoert(quint32(event->timestamp()));
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
    if (!event->commitString().isEmpty()) {
        if (m_beobachter)
            m_beobachter->commitGehoert();
        Q_EMIT tasteRunter();
    }
    end(false);
    QLineEdit::inputMethodEvent(event);
}

void Eingabefeld::mousePressEvent(QMouseEvent *event)
{
    // A click only brings the focus; the caret stays where typing goes on.
    if (event->button() == Qt::LeftButton && focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
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

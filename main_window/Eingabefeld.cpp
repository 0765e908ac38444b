#include "main_window/Eingabefeld.h"

#include "main_window/EingabefeldZugang.h"
#include "main_window/Tastensymbole.h"

#include <QAbstractNativeEventFilter>
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

// On X11 the input method takes a dead key (´ ` ^) before any widget sees it: the box would
// never hear that key go down. This watches the raw key presses meant for the box and announces
// those of dead keys itself; every other key reaches the box as a key event or, after a dead
// key, as the commit it completes, and announces itself there.
class Eingabefeld::Tastenbeobachter : public QAbstractNativeEventFilter
{
public:
    explicit Tastenbeobachter(Eingabefeld &feld) : m_feld(feld)
    {
        if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            m_verbindung = x11->connection();
        if (m_verbindung) {
            ladeBelegung();
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
    }
    ~Tastenbeobachter() override
    {
        if (m_verbindung)
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &art, void *nachricht, qintptr *) override
    {
        if (art != "xcb_generic_event_t")
            return false;
        const auto *ereignis = static_cast<const xcb_generic_event_t *>(nachricht);
        const quint8 typ = ereignis->response_type & ~0x80;
        if (typ == XCB_MAPPING_NOTIFY) {
            ladeBelegung(); // the layout changed
        } else if (typ == XCB_KEY_PRESS && m_feld.nimmtTastenAn()) {
            const auto *taste = static_cast<const xcb_key_press_event_t *>(nachricht);
            if (m_belegung.istTotetaste(taste->detail, (taste->state & XCB_MOD_MASK_SHIFT) != 0))
                QMetaObject::invokeMethod(
                    &m_feld, [this] { Q_EMIT m_feld.tasteRunter(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    // The keyboard's symbols per key code, as the X server maps them.
    void ladeBelegung()
    {
        const xcb_setup_t *aufbau = xcb_get_setup(m_verbindung);
        const quint8 erster = aufbau->min_keycode;
        const quint8 anzahl = quint8(aufbau->max_keycode - aufbau->min_keycode + 1);
        xcb_get_keyboard_mapping_reply_t *antwort = xcb_get_keyboard_mapping_reply(
            m_verbindung, xcb_get_keyboard_mapping(m_verbindung, erster, anzahl), nullptr);
        if (!antwort)
            return;
        const xcb_keysym_t *symbole = xcb_get_keyboard_mapping_keysyms(antwort);
        m_belegung =
            Tastensymbole(erster, antwort->keysyms_per_keycode,
                          {symbole, symbole + xcb_get_keyboard_mapping_keysyms_length(antwort)});
        free(antwort);
    }

    Eingabefeld &m_feld;
    xcb_connection_t *m_verbindung = nullptr;
    Tastensymbole m_belegung;
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

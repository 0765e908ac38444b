#include "main_window/Eingabefeld.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextCharFormat>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

#if FINGALO_X11
#include "main_window/Totetastenwaechter.h"
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatforminputcontext.h>
#include <qpa/qplatformintegration.h>
#include <xcb/xcb.h>
#endif

// What reaches the box and what it hands on, in order, for finding out what a desktop's input
// method sends: QT_LOGGING_RULES=fingalo.eingabe.debug=true
Q_LOGGING_CATEGORY(spur, "fingalo.eingabe", QtWarningMsg)

namespace {

// The gaps a line edit leaves between its frame and its text.
constexpr int RandWaagerecht = 2;

// Keys that only change what the next key types: a dead key waits across them.
bool istUmschalter(int taste)
{
    switch (taste) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// The text a key types. Enter, Tab and other keys of no character type nothing, and neither does
// a letter held with Alt, Ctrl or the logo key: on a German keyboard those are commands (a menu's
// access key, a shortcut), never typing. AltGr brings its own characters and stays typing.
QString getippterText(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers befehl =
        event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    const bool altGr = (event->modifiers() & Qt::GroupSwitchModifier) ||
                       befehl == (Qt::AltModifier | Qt::ControlModifier);
    if (befehl && !altGr)
        return {};
    const QString text = event->text();
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return {};
    }
    return text;
}

#if FINGALO_X11
// Qt's own compose takes a dead key without a word to the widget. An input method such as IBus
// shows it as a composition instead, in order with the keys around it; a watcher reading the
// keys ahead of it would put the dead key before keys it has not answered yet.
bool totetastenVerschluckt()
{
    const QPlatformInputContext *kontext =
        QGuiApplicationPrivate::platformIntegration()->inputContext();
    return kontext && qstrcmp(kontext->metaObject()->className(), "QComposeInputContext") == 0;
}
#endif

} // namespace

Eingabefeld::Eingabefeld(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setObjectName(QStringLiteral("FELD"));
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
    ordneAn();
    if (spur().isDebugEnabled()) {
        connect(this, &Eingabefeld::eingegeben, this, [](const Eingabe &e) {
            qCDebug(spur) << "  hands on: key down" << e.tasteRunter << "back" << e.zurueck
                          << "text" << e.text;
        });
    }
#if FINGALO_X11
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *verbindung = x11 ? x11->connection() : nullptr;
    if (verbindung && totetastenVerschluckt()) {
        m_waechter = std::make_unique<Totetastenwaechter>(
            [verbindung] { return Totetastenwaechter::belegungVon(verbindung); },
            [this] { return QApplication::focusWidget() == this && isEnabled(); },
            [this](int taste, ulong zeit) {
                // In the queue behind the keys read before it, and with the X server's time
                // stamp, which tells it apart from the same key reaching the box unfiltered.
                if (QWindow *fenster = window()->windowHandle())
                    QWindowSystemInterface::handleKeyEvent<
                        QWindowSystemInterface::AsynchronousDelivery>(
                        fenster, zeit, QEvent::KeyPress, taste, Qt::NoModifier);
            });
        QCoreApplication::instance()->installNativeEventFilter(m_waechter.get());
    }
#endif
}

Eingabefeld::~Eingabefeld()
{
#if FINGALO_X11
    if (m_waechter)
        QCoreApplication::instance()->removeNativeEventFilter(m_waechter.get());
#endif
}

void Eingabefeld::zeige(const QString &text)
{
    if (text == m_text)
        return;
    const QString vorher = std::exchange(m_text, text);
    ordneAn();
    caretZeigen();
    meldeFuerScreenreader(vorher);
    // The input method learns the new text and caret from the box's own answers.
    if (hasFocus())
        updateMicroFocus(Qt::ImQueryInput);
}

void Eingabefeld::totetasteVergessen()
{
    m_totetaste.reset();
    m_vorschau.clear();
    m_vorschauFormate.clear();
    m_vorschauCaret = -1;
    m_caretVerborgen = false;
    ordneAn();
    update();
    QGuiApplication::inputMethod()->reset();
}

void Eingabefeld::ordneAn()
{
    m_layout.setText(m_text);
    m_layout.setFont(font());
    QTextOption option = m_layout.textOption();
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    m_layout.setTextOption(option);
    m_layout.setPreeditArea(int(m_text.size()), m_vorschau);
    QList<QTextLayout::FormatRange> formate = m_vorschauFormate;
    for (QTextLayout::FormatRange &f : formate)
        f.start += int(m_text.size());
    m_layout.setFormats(formate);
    m_layout.beginLayout();
    m_layout.createLine();
    m_layout.endLayout();
}

void Eingabefeld::initStyleOption(QStyleOptionFrame *option) const
{
    option->initFrom(this);
    option->rect = contentsRect();
    option->lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, option, this);
    option->midLineWidth = 0;
    option->state |= QStyle::State_Sunken;
    option->features = QStyleOptionFrame::None;
}

// The strip the text stands in, centred in height as a line edit centres it.
QRect Eingabefeld::zeilenbereich() const
{
    QStyleOptionFrame rahmen;
    initStyleOption(&rahmen);
    const QRect innen = style()->subElementRect(QStyle::SE_LineEditContents, &rahmen, this);
    const QFontMetrics masse = fontMetrics();
    const int hoehe = qMax(masse.boundingRect(m_text + m_vorschau).height(), masse.height());
    return {innen.x() + RandWaagerecht, innen.y() + (innen.height() - hoehe + 1) / 2,
            innen.width() - 2 * RandWaagerecht, hoehe};
}

// Where the text is drawn from: left-aligned, moved left only as far as a text too long for the
// box needs for the caret to stay in sight.
QPoint Eingabefeld::textursprung() const
{
    const QRect zeile = zeilenbereich();
    const QTextLine linie = m_layout.lineAt(0);
    const int caretX = qRound(linie.cursorToX(caretStelle()));
    const int breite = qRound(linie.naturalTextWidth()) + 1;
    const int verschoben = breite <= zeile.width() ? 0 : qMax(0, caretX - zeile.width() + 1);
    return zeile.topLeft() - QPoint(verschoben, qRound(linie.ascent()) - fontMetrics().ascent());
}

int Eingabefeld::caretStelle() const
{
    return int(m_text.size()) + (m_vorschauCaret >= 0 ? m_vorschauCaret : int(m_vorschau.size()));
}

QRect Eingabefeld::zeichenRechteck(int stelle) const
{
    if (stelle < 0 || stelle >= m_text.size())
        return {};
    const QTextLine linie = m_layout.lineAt(0);
    const QPoint ursprung = textursprung();
    const qreal links = linie.cursorToX(stelle);
    const qreal rechts = linie.cursorToX(stelle + 1);
    return QRect(QPoint(ursprung.x() + qRound(links), zeilenbereich().top()),
                 QSize(qRound(rechts) - qRound(links), zeilenbereich().height()));
}

QSize Eingabefeld::sizeHint() const
{
    QStyleOptionFrame rahmen;
    initStyleOption(&rahmen);
    const QFontMetrics masse = fontMetrics();
    const QSize inhalt(masse.horizontalAdvance(u'x') * 17 + 2 * RandWaagerecht, masse.height() + 2);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &rahmen, inhalt, this);
}

void Eingabefeld::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    QStyleOptionFrame rahmen;
    initStyleOption(&rahmen);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &rahmen, &maler, this);
    const QRect innen = style()->subElementRect(QStyle::SE_LineEditContents, &rahmen, this);
    maler.setClipRect(innen);
    maler.setPen(palette().text().color());
    const QPoint ursprung = textursprung();
    m_layout.draw(&maler, ursprung, {}, innen);
    if (hasFocus() && isEnabled() && m_caretAn && !m_caretVerborgen)
        m_layout.drawCursor(&maler, ursprung, caretStelle(),
                            style()->pixelMetric(QStyle::PM_TextCursorWidth, &rahmen, this));
}

void Eingabefeld::caretZeigen()
{
    m_caretAn = true;
    const int takt = QGuiApplication::styleHints()->cursorFlashTime() / 2;
    if (hasFocus() && isEnabled() && takt > 0)
        m_blinken.start(takt, this);
    else
        m_blinken.stop();
    update();
}

void Eingabefeld::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_blinken.timerId())
        return QWidget::timerEvent(event);
    m_caretAn = !m_caretAn;
    update();
}

void Eingabefeld::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    caretZeigen();
}

void Eingabefeld::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_blinken.stop();
    update();
}

void Eingabefeld::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        ordneAn();
        update();
        break;
    case QEvent::EnabledChange:
        if (!isEnabled())
            m_totetaste.reset();
        caretZeigen();
        break;
    default:
        break;
    }
}

bool Eingabefeld::event(QEvent *ereignis)
{
    // Typing keys belong to the box even where a window binds them to something else; commands
    // with Alt or Ctrl (access keys, the menu bar) stay the window's.
    if (ereignis->type() == QEvent::ShortcutOverride) {
        auto *taste = static_cast<QKeyEvent *>(ereignis);
        if (taste->matches(QKeySequence::Paste) || taste->key() == Qt::Key_Backspace ||
            (!getippterText(taste).isEmpty() && taste->key() < Qt::Key_Escape))
            taste->accept();
    }
    return QWidget::event(ereignis);
}

void Eingabefeld::keyPressEvent(QKeyEvent *event)
{
    qCDebug(spur) << "key" << Qt::Key(event->key()) << event->text() << event->modifiers()
                  << event->timestamp();
    event->accept();
    if (const std::optional<Totetaste> tot = Totetaste::zuTaste(event->key())) {
        totetaste(*tot, event->timestamp());
        return;
    }
    if (istUmschalter(event->key())) {
        Q_EMIT eingegeben(Eingabe::taste());
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        einfuegen(QGuiApplication::clipboard()->text(), true);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        m_totetaste.reset();
        Q_EMIT eingegeben(Eingabe::ruecktaste());
        return;
    }
    tippe(getippterText(event));
}

void Eingabefeld::totetaste(const Totetaste &tot, ulong zeit)
{
    // The watcher reports a dead key, and where no input method took it the key itself comes
    // too, with the same time stamp: one key, one press.
    const bool schonGehoert = m_totetaste && m_totetaste->qtTaste() == tot.qtTaste() && zeit != 0 &&
                              zeit == m_totetasteZeit;
    if (schonGehoert)
        return;
    m_totetaste = tot;
    m_totetasteZeit = zeit;
    Q_EMIT eingegeben(Eingabe::taste());
}

void Eingabefeld::tippe(const QString &text)
{
    const std::optional<Totetaste> offen = std::exchange(m_totetaste, std::nullopt);
    Q_EMIT eingegeben(Eingabe::taste(offen && !text.isEmpty() ? offen->verbinde(text) : text));
}

void Eingabefeld::reiheEin(int taste, const QString &text)
{
    // What an input method answers takes the road of the keys, as a key of its own. Behind the
    // keys still waiting in the window system's queue: Qt's own compose commits from inside the
    // filtering of the key that completes a character, before the keys in front of it have been
    // delivered. Otherwise at once, so that whatever holds keys further on keeps it behind them:
    // while a screen reader listens, Qt holds each key until the reader has seen it. IBus hands
    // on its keys itself, in the order it answers them, and leaves none waiting in the queue.
    qCDebug(spur) << "  on the keys' road:" << Qt::Key(taste) << text;
    QWindow *fenster = window()->windowHandle();
    if (!fenster || !isVisible()) {
        QKeyEvent sofort(QEvent::KeyPress, taste, Qt::NoModifier, text);
        keyPressEvent(&sofort);
    } else if (QWindowSystemInterfacePrivate::peekWindowSystemEvent(
                   QWindowSystemInterfacePrivate::Key)) {
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            fenster, QEvent::KeyPress, taste, Qt::NoModifier, text);
    } else {
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
            fenster, QEvent::KeyPress, taste, Qt::NoModifier, text);
    }
}

void Eingabefeld::inputMethodEvent(QInputMethodEvent *event)
{
    qCDebug(spur) << "input method: pre-edit" << event->preeditString() << "commit"
                  << event->commitString() << "replace" << event->replacementStart()
                  << event->replacementLength();
    event->accept();
    // The composition is shown at the end, with the input method's underline and caret; a
    // selection it asks for is never made.
    const bool vorschauNeu = event->preeditString() != m_vorschau;
    m_vorschau = event->preeditString();
    m_vorschauCaret = -1;
    m_caretVerborgen = false;
    m_vorschauFormate.clear();
    for (const QInputMethodEvent::Attribute &a : event->attributes()) {
        if (a.type == QInputMethodEvent::Cursor) {
            m_vorschauCaret = qBound(0, a.start, int(m_vorschau.size()));
            m_caretVerborgen = a.length == 0;
        } else if (a.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = qvariant_cast<QTextFormat>(a.value).toCharFormat();
            if (format.isValid())
                m_vorschauFormate.append({a.start, a.length, format});
        }
    }
    ordneAn();
    caretZeigen();

    const int ab = event->replacementStart();
    const int laenge = event->replacementLength();
    if (ab != 0 || laenge != 0) {
        // A rewrite around the caret. Up to the caret, which always stands at the end, that is
        // taking characters back and typing others; a range ending before it would change
        // correct characters inside the line, so its text is typed at the end instead.
        int zurueck = 0;
        if (ab < 0 && ab + laenge >= 0) {
            const QStringView weg = QStringView(m_text).last(qMin(-ab, int(m_text.size())));
            zurueck = int(weg.toString().toUcs4().size());
        }
        m_totetaste.reset();
        Q_EMIT eingegeben({!event->commitString().isEmpty(), zurueck, event->commitString()});
        return;
    }
    if (!event->commitString().isEmpty()) {
        reiheEin(Qt::Key_unknown, event->commitString());
        return;
    }
    // A composition that changes is a key the input method took. Where the key map already
    // reported it as a dead key, it is not reported twice.
    if (vorschauNeu && !m_vorschau.isEmpty()) {
        const std::optional<Totetaste> tot = Totetaste::zuAkzent(m_vorschau);
        if (!(tot && m_waechter))
            reiheEin(tot ? tot->qtTaste() : Qt::Key_unknown, QString());
    }
}

QVariant Eingabefeld::inputMethodQuery(Qt::InputMethodQuery abfrage) const
{
    // The caret always stands at the end and nothing is ever selected; this is all an input
    // method learns, so a rewrite it plans can only reach back from the end.
    const int ende = int(m_text.size());
    switch (abfrage) {
    case Qt::ImEnabled:
        return isEnabled();
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle: {
        const QTextLine linie = m_layout.lineAt(0);
        const QPoint ursprung = textursprung();
        return QRect(ursprung.x() + qRound(linie.cursorToX(caretStelle())) - 5,
                     zeilenbereich().top(), 10, zeilenbereich().height());
    }
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
    case Qt::ImAbsolutePosition:
        return ende;
    case Qt::ImSurroundingText:
    case Qt::ImTextBeforeCursor:
        return m_text;
    case Qt::ImTextAfterCursor:
    case Qt::ImCurrentSelection:
        return QString();
    case Qt::ImMaximumTextLength:
        return QVariant();
    case Qt::ImReadOnly:
        return false;
    default:
        return QWidget::inputMethodQuery(abfrage);
    }
}

void Eingabefeld::meldeFuerScreenreader(const QString &vorher)
{
    if (!QAccessible::isActive())
        return;
    const int ende = int(m_text.size());
    if (m_text.startsWith(vorher)) {
        QAccessibleTextInsertEvent neu(this, int(vorher.size()), m_text.mid(vorher.size()));
        neu.setCursorPosition(ende);
        QAccessible::updateAccessibility(&neu);
    } else if (vorher.startsWith(m_text)) {
        QAccessibleTextRemoveEvent weg(this, ende, vorher.mid(ende));
        weg.setCursorPosition(ende);
        QAccessible::updateAccessibility(&weg);
    } else {
        QAccessibleTextUpdateEvent anders(this, 0, vorher, m_text);
        anders.setCursorPosition(ende);
        QAccessible::updateAccessibility(&anders);
    }
    QAccessibleTextCursorEvent caret(this, ende);
    QAccessible::updateAccessibility(&caret);
}

void Eingabefeld::einfuegen(const QString &text, bool tasteRunter)
{
    m_totetaste.reset();
    Q_EMIT eingegeben({tasteRunter, 0, text});
}

void Eingabefeld::mousePressEvent(QMouseEvent *event)
{
    // The application has given the box the focus for the click; the caret stays where typing
    // goes on.
    event->accept();
}

void Eingabefeld::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void Eingabefeld::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void Eingabefeld::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::MiddleButton && rect().contains(event->position().toPoint()) &&
        QGuiApplication::clipboard()->supportsSelection())
        einfuegen(QGuiApplication::clipboard()->text(QClipboard::Selection), false);
}

void Eingabefeld::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void Eingabefeld::dragMoveEvent(QDragMoveEvent *event)
{
    // A drop copies: the other program keeps its text, whatever it proposed.
    if (event->mimeData()->hasText() && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept(rect());
    } else {
        event->ignore();
    }
}

void Eingabefeld::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    einfuegen(event->mimeData()->text(), false);
}

void Eingabefeld::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    // The menu key is pressed by mistake far more often than for this menu, and an open menu would
    // swallow the next keys; the box's menu opens for the mouse only.
    if (event->reason() == QContextMenuEvent::Keyboard)
        return;
    // Of the usual editing commands only pasting applies (at the end, checked like typing);
    // there is no access key, so a letter typed while the menu is open pastes nothing.
    auto *menue = new QMenu(this);
    menue->setAttribute(Qt::WA_DeleteOnClose);
    const QString text = QGuiApplication::clipboard()->text();
    QAction *einfuegen = menue->addAction(QStringLiteral("Einfügen\tStrg+V"), this,
                                          [this, text] { this->einfuegen(text, false); });
    einfuegen->setEnabled(!text.isEmpty());
    menue->popup(event->globalPos());
}

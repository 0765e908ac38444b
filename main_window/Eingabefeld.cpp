#include "main_window/Eingabefeld.h"

#include <QKeyEvent>

namespace {

bool istEingabetaste(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
           event->text() == QStringView(u"\r");
}

} // namespace

void Eingabefeld::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT tasteRunter();
    if (istEingabetaste(event)) {
        // Enter confirms the message boxes; in the input box it must not count as a character.
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void Eingabefeld::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty())
        Q_EMIT tasteRunter();
    QLineEdit::inputMethodEvent(event);
}

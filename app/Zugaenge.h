#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The program's own accessible interfaces, for the widgets whose Qt default would tell a screen
// reader too little or the wrong thing: the start window (a window, not a filler), the input box
// (its text, the caret at its end, the line to type), the exercise line (reviewable text), the
// announcements, and the main window's frame (a pane, not a window). Installed once at set-up.
namespace Zugaenge {

QAccessibleInterface *fuer(const QString &klasse, QObject *objekt);

} // namespace Zugaenge

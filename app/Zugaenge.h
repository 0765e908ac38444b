#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The program's own accessible interfaces, for the widgets whose Qt default would tell a screen
// reader too little: the start window (a window, not a filler), the input box (its text, the
// caret at its end, the line to type) and the announcements. Installed once at set-up.
namespace Zugaenge {

QAccessibleInterface *fuer(const QString &klasse, QObject *objekt);

} // namespace Zugaenge

#include "main_window/Zeilenfeld.h"

#include <QFontMetrics>

QRect Zeilenfeld::zeichenRechteck(int stelle) const
{
    const QString t = text();
    if (stelle < 0 || stelle >= t.size())
        return {};
    // A framed label indents its text by half an "x" when no indent is set; the line stands
    // centred in height.
    const QFontMetrics masse = fontMetrics();
    const QRect innen = contentsRect();
    const int einzug =
        indent() >= 0 ? indent() : (frameWidth() > 0 ? masse.horizontalAdvance(u'x') / 2 : 0);
    const int links = innen.left() + margin() + einzug + masse.horizontalAdvance(t.left(stelle));
    const int oben = innen.top() + (innen.height() - masse.height()) / 2;
    return {links, oben, masse.horizontalAdvance(t.mid(stelle, 1)), masse.height()};
}

#pragma once

#include "main_window/Tastensymbole.h"

#include <QAbstractNativeEventFilter>
#include <functional>

struct xcb_connection_t;

// On X11 the input method takes a dead key (´ ` ^) before any widget sees it, so the input box
// would never hear that key go down. This filter watches the raw key presses and reports those of
// dead keys while the box takes keys: the key as Qt names it and the X server's time stamp. The
// key map is read again when the X server says the layout changed.
class Totetastenwaechter : public QAbstractNativeEventFilter
{
public:
    using Belegungsquelle = std::function<Tastensymbole()>;
    using Meldung = std::function<void(int qtTaste, ulong zeit)>;

    Totetastenwaechter(Belegungsquelle quelle, std::function<bool()> nimmtTastenAn,
                       Meldung totetaste);

    bool nativeEventFilter(const QByteArray &art, void *nachricht, qintptr *ergebnis) override;

    // The X server's key map, as a connection to it reports it; empty when it does not answer.
    static Tastensymbole belegungVon(xcb_connection_t *verbindung);

private:
    Belegungsquelle m_quelle;
    std::function<bool()> m_nimmtTastenAn;
    Meldung m_totetaste;
    Tastensymbole m_belegung;
};

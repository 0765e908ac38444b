#include "main_window/Totetastenwaechter.h"

#include <QByteArray>
#include <cstdlib>
#include <xcb/xcb.h>

Totetastenwaechter::Totetastenwaechter(Belegungsquelle quelle, std::function<bool()> nimmtTastenAn,
                                       Meldung totetaste)
    : m_quelle(std::move(quelle)), m_nimmtTastenAn(std::move(nimmtTastenAn)),
      m_totetaste(std::move(totetaste)), m_belegung(m_quelle())
{
}

bool Totetastenwaechter::nativeEventFilter(const QByteArray &art, void *nachricht, qintptr *)
{
    if (art != "xcb_generic_event_t")
        return false;
    const auto *ereignis = static_cast<const xcb_generic_event_t *>(nachricht);
    // The top bit marks an event another client sent; it is a key press all the same.
    const quint8 typ = ereignis->response_type & ~0x80;
    if (typ == XCB_MAPPING_NOTIFY) {
        m_belegung = m_quelle();
    } else if (typ == XCB_KEY_PRESS && m_nimmtTastenAn()) {
        const auto *taste = static_cast<const xcb_key_press_event_t *>(nachricht);
        const bool umgeschaltet = (taste->state & XCB_MOD_MASK_SHIFT) != 0;
        if (const std::optional<quint32> symbol = m_belegung.totetaste(taste->detail, umgeschaltet))
            m_totetaste(Tastensymbole::qtTaste(*symbol), taste->time);
    }
    return false; // the input method still gets every event
}

Tastensymbole Totetastenwaechter::belegungVon(xcb_connection_t *verbindung)
{
    const xcb_setup_t *aufbau = xcb_get_setup(verbindung);
    const quint8 erster = aufbau->min_keycode;
    const quint8 anzahl = quint8(aufbau->max_keycode - aufbau->min_keycode + 1);
    xcb_get_keyboard_mapping_reply_t *antwort = xcb_get_keyboard_mapping_reply(
        verbindung, xcb_get_keyboard_mapping(verbindung, erster, anzahl), nullptr);
    if (!antwort)
        return {};
    const xcb_keysym_t *symbole = xcb_get_keyboard_mapping_keysyms(antwort);
    Tastensymbole belegung(erster, antwort->keysyms_per_keycode,
                           {symbole, symbole + xcb_get_keyboard_mapping_keysyms_length(antwort)});
    std::free(antwort);
    return belegung;
}

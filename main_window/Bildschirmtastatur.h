#pragma once

#include "keyboard/Tastatur.h"

#include <QWidget>
#include <array>

class Formelement;
class Knopf;

// The on-screen keyboard: a light panel with a button for every key of the keyboard table, at the
// table's places. A lesson marks the keys it has taught bold, a finger button underlines its
// finger's keys, and both enlarge what they mark; the two label buttons switch the captions
// between the unshifted and the shifted layout. The marking lives in the buttons' fonts and
// nowhere else. The keys type nothing: a click asks for the key's explanation.
class Bildschirmtastatur : public QWidget
{
    Q_OBJECT
public:
    // The panel's place in the main window's client area.
    static constexpr QRect Platz{24, 280, 833, 297};

    explicit Bildschirmtastatur(QWidget *parent = nullptr);

    // Every key a key string can name loses its marking of this kind, then the keys that
    // `tastenCode` names are marked.
    enum class Markierung { Fett, Unterstrichen };
    void markiere(QStringView tastenCode, Markierung art);

    // The captions of the 48 character keys: without or with Shift.
    void beschrifte(bool mitUmschalt);

    // The button of a key.
    Knopf *knopf(Taste taste) const;

Q_SIGNALS:
    void tasteGeklickt(Taste taste);

private:
    void beschreibe(std::size_t i);

    Formelement *Figur1 = nullptr;
    // In the order of the keyboard table.
    std::array<Knopf *, Tastatur::AnzahlTasten> m_tasten{};
};

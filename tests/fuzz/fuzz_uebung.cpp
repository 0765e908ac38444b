// libFuzzer target for the exercise without widgets. The input is read as a little program:
// a few control bytes stand for actions (lesson choice, repeat, error reset, paste, Backspace,
// typing the right character, editing, cutting and replacing in the middle, text that arrives
// while the next message is open), every other byte sequence is UTF-8 text typed character by
// character. After every action the exercise's promises must hold.

#include "Invarianten.h"
#include "Uebungsprobe.h"
#include "engine/Zeichenkette.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

namespace {

void pruefe(Uebungsprobe &a)
{
    const QString fehler =
        Invarianten::pruefeUebung(a.feld, a.aktiv, a.uebung.zeile(), a.uebung.zustand());
    if (!fehler.isEmpty() || a.verschachtelung > 3) {
        fprintf(stderr, "invariant broken: %s (nesting %d)\n", qPrintable(fehler),
                a.verschachtelung);
        std::abort();
    }
}

QString naechstesRichtiges(const Uebungsprobe &a)
{
    const QString eingabe = Zeichenkette::zusammengesetzt(a.feld);
    const qsizetype n = Zeichenkette::anzahl(eingabe);
    const QString anfang = Zeichenkette::anfang(a.uebung.zeile(), n + 1);
    return anfang.size() > Zeichenkette::anfang(a.uebung.zeile(), n).size()
               ? Zeichenkette::letztes(anfang)
               : QString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    Uebungsprobe a;
    a.feld = QStringLiteral(" Lektion auswählen");
    a.uebung.startwerteSetzen();
    a.uebung.startzeileSetzen();

    size_t i = 0;
    auto byte = [&]() -> uint8_t { return i < groesse ? daten[i++] : 0; };
    while (i < groesse) {
        const uint8_t op = byte();
        switch (op) {
        case 0x01: {
            a.uebung.LektionWaehlen(byte() % 30);
            break;
        }
        case 0x02:
            if (a.wiederholen)
                a.uebung.Wiederholen_Click();
            break;
        case 0x03:
            a.uebung.FehlerTaste_Click();
            break;
        case 0x04: {
            const size_t n = std::min<size_t>(byte(), groesse - i);
            a.uebung.FELD_KeyDown();
            a.ersetzeFeld(a.feld + QString::fromUtf8(reinterpret_cast<const char *>(daten + i),
                                                     qsizetype(n)));
            i += n;
            break;
        }
        case 0x05:
            a.uebung.FELD_KeyDown();
            a.ersetzeFeld(a.feld.chopped(a.feld.isEmpty() ? 0 : 1));
            break;
        case 0x06: {
            const QString richtig = naechstesRichtiges(a);
            if (!richtig.isEmpty()) {
                a.tippe(richtig);
            }
            break;
        }
        case 0x07:
            for (QString r = naechstesRichtiges(a); !r.isEmpty() && a.aktiv;
                 r = naechstesRichtiges(a))
                a.tippe(r);
            break;
        case 0x08:
        case 0x09:
        case 0x0A: {
            // Type, cut or replace at a place inside the box.
            const qsizetype stelle = a.feld.isEmpty() ? 0 : byte() % (a.feld.size() + 1);
            const qsizetype laenge = op == 0x08 ? 0 : byte() % (a.feld.size() - stelle + 1);
            if (stelle > 0 && a.feld[stelle - 1].isHighSurrogate())
                break;
            a.uebung.FELD_KeyDown();
            a.ersetzeFeld(a.feld.left(stelle) + (op == 0x09 ? QString() : QStringLiteral("x")) +
                          a.feld.mid(stelle + laenge));
            break;
        }
        case 0x0B: {
            // Text that reaches the box while the next message is open.
            const size_t n = std::min<size_t>(byte(), groesse - i);
            const QString text =
                QString::fromUtf8(reinterpret_cast<const char *>(daten + i), qsizetype(n));
            i += n;
            a.waehrendDerMeldung = [&a, text] { a.ersetzeFeld(a.feld + text); };
            break;
        }
        default: {
            // One UTF-8 character; a broken sequence is one byte that arrives as U+FFFD.
            size_t laenge = op < 0x80                 ? 1
                            : op >= 0xC2 && op < 0xE0 ? 2
                            : op >= 0xE0 && op < 0xF0 ? 3
                            : op >= 0xF0 && op < 0xF5 ? 4
                                                      : 0;
            for (size_t k = 1; k < laenge; ++k) {
                if (i - 1 + k >= groesse || (daten[i - 1 + k] & 0xC0) != 0x80)
                    laenge = 0;
            }
            QString zeichen = laenge
                                  ? QString::fromUtf8(reinterpret_cast<const char *>(daten + i - 1),
                                                      qsizetype(laenge))
                                  : QString(QChar::ReplacementCharacter);
            zeichen = Zeichenkette::anfang(zeichen, 1);
            i += laenge ? laenge - 1 : 0;
            a.tippe(zeichen);
            break;
        }
        }
        pruefe(a);
    }
    return 0;
}

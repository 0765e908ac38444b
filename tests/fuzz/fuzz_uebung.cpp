// libFuzzer target for the exercise without widgets. The input is read as a little program:
// a few control bytes stand for actions (lesson choice, repeat, error reset, paste, Backspace,
// typing the right character or the whole line, an input method's rewriting commit, a key of no
// character, text that arrives while the next message is open), every other byte sequence is
// UTF-8 text typed key by key. After every action the exercise's promises must hold.

#include "Invarianten.h"
#include "Mitschrift.h"
#include "Sollwerte.h"
#include "engine/Zeichenkette.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

namespace {

// What the box would show: the prompt until the exercise first says otherwise.
struct Feld
{
    QString text = Sollwerte::FeldAmAnfang;
    bool gezeigt = false;
};

void pruefe(const Mitschrift &m, const Feld &f)
{
    const QString feld = f.gezeigt ? m.eingabe : f.text;
    QString fehler =
        Invarianten::pruefeFeld(m.uebung.nimmtEingabenAn() ? feld : Sollwerte::Auswahlaufforderung,
                                m.uebung.nimmtEingabenAn(), m.uebung.zeile());
    if (fehler.isEmpty() && f.gezeigt && m.eingabe != m.uebung.eingabe())
        fehler =
            QStringLiteral("announced \"%1\", holds \"%2\"").arg(m.eingabe, m.uebung.eingabe());
    if (fehler.isEmpty() && (m.fehler < 0 || m.fehlerfrei < 0))
        fehler = QStringLiteral("negative count");
    if (!fehler.isEmpty()) {
        fprintf(stderr, "invariant broken: %s\n", qPrintable(fehler));
        std::abort();
    }
}

QString naechstesRichtiges(const Mitschrift &m)
{
    const QString &eingabe = m.uebung.eingabe();
    const qsizetype n = Zeichenkette::anzahl(eingabe);
    const QString anfang = Zeichenkette::anfang(m.uebung.zeile(), n + 1);
    return anfang.size() > eingabe.size() ? Zeichenkette::letztes(anfang) : QString();
}

QString text(const uint8_t *daten, size_t n)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(daten), qsizetype(n));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    Mitschrift m;
    Feld feld;
    QObject::connect(&m.uebung, &Uebung::eingabeGeaendert, [&feld] { feld.gezeigt = true; });
    m.uebung.starten();

    size_t i = 0;
    auto byte = [&]() -> uint8_t { return i < groesse ? daten[i++] : 0; };
    while (i < groesse) {
        const uint8_t op = byte();
        switch (op) {
        case 0x01:
            m.uebung.lektionWaehlen(byte() % 30 + 1);
            break;
        case 0x02:
            m.uebung.zeileWiederholen();
            break;
        case 0x03:
            m.uebung.fehlerZuruecksetzen();
            break;
        case 0x04: {
            // A paste, a drop or a middle click: text without a key.
            const size_t n = std::min<size_t>(byte(), groesse - i);
            m.tippe(Eingabe::einfuegen(text(daten + i, n)));
            i += n;
            break;
        }
        case 0x05:
            m.tippe(Eingabe::ruecktaste());
            break;
        case 0x06:
            m.tippe(Eingabe::taste(naechstesRichtiges(m)));
            break;
        case 0x07:
            for (QString r = naechstesRichtiges(m); !r.isEmpty(); r = naechstesRichtiges(m))
                m.tippe(Eingabe::taste(r));
            break;
        case 0x08: {
            // An input method's commit that rewrites characters before the caret, as IBus sends
            // it for some compositions.
            const int zurueck = byte() % 8;
            const size_t n = std::min<size_t>(byte() % 8, groesse - i);
            m.tippe(Eingabe{bool(zurueck & 1), zurueck, text(daten + i, n)});
            i += n;
            break;
        }
        case 0x09:
            // A key going down that types nothing: a dead key, Shift, a command.
            m.tippe(Eingabe::taste());
            break;
        case 0x0B: {
            // What reaches the exercise while the next message is open.
            const size_t n = std::min<size_t>(byte(), groesse - i);
            const QString t = text(daten + i, n);
            i += n;
            m.waehrendDerMeldung = [&m, t] {
                m.tippe(Eingabe::taste(t));
                m.tippe(Eingabe::taste());
            };
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
            QString zeichen =
                laenge ? text(daten + i - 1, laenge) : QString(QChar::ReplacementCharacter);
            zeichen = Zeichenkette::anfang(zeichen, 1);
            i += laenge ? laenge - 1 : 0;
            m.tippe(Eingabe::taste(zeichen));
            break;
        }
        }
        pruefe(m, feld);
    }
    return 0;
}

#include "engine/Eingabepruefung.h"

#include "engine/Zeichenkette.h"

namespace {

// How many UTF-16 units `a` and `b` share from the start, never ending inside a character.
qsizetype gemeinsamerAnfang(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    if (i > 0 && i < a.size() && a[i - 1].isHighSurrogate() && a[i].isLowSurrogate())
        --i;
    return i;
}

// The character of `text` at code-point position `stelle`, or its last one beyond the end.
QString zeichenAn(const QString &text, qsizetype stelle)
{
    return Zeichenkette::letztes(Zeichenkette::anfang(text, stelle + 1));
}

} // namespace

Eingabepruefung Eingabepruefung::pruefe(const QString &angenommen, const QString &neu,
                                        const QString &zeile)
{
    Eingabepruefung ergebnis;
    ergebnis.angenommen = angenommen;
    if (zeile.isEmpty())
        return ergebnis; // no line to type: nothing can be accepted

    for (qsizetype i = 0; i < neu.size();) {
        const qsizetype anfang = i;
        i += Zeichenkette::breiteAb(neu, i);
        // A letter arriving with its combining accents is checked as the one letter they make.
        while (i < neu.size() && neu[i].isMark())
            i += Zeichenkette::breiteAb(neu, i);
        const QString zeichen = neu.mid(anfang, i - anfang);
        if (zeichen.size() == 1 && zeichen[0].category() == QChar::Other_Control)
            continue;

        const QString kandidat = Zeichenkette::zusammengesetzt(ergebnis.angenommen + zeichen);
        if (zeile.startsWith(kandidat)) {
            ergebnis.angenommen = kandidat;
            if (kandidat.size() == zeile.size()) {
                ergebnis.vollstaendig = true;
                break;
            }
            continue;
        }
        // The first character where the candidate leaves the line: usually the new one, but a
        // combining accent can change the letter before it.
        const qsizetype stelle =
            Zeichenkette::anzahl(QStringView(kandidat).first(gemeinsamerAnfang(kandidat, zeile)));
        ergebnis.falsch = Falsch{zeichenAn(zeile, stelle), zeichenAn(kandidat, stelle),
                                 Zeichenkette::anfang(kandidat, stelle + 1)};
        break;
    }
    return ergebnis;
}

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
    const QString bis = Zeichenkette::anfang(text, stelle + 1);
    return Zeichenkette::letztes(bis);
}

} // namespace

Eingabepruefung Eingabepruefung::pruefe(const QString &bisher, const QString &jetzt,
                                        const QString &zeile)
{
    Eingabepruefung ergebnis;
    const qsizetype gemeinsam = gemeinsamerAnfang(bisher, jetzt);
    const QStringView bisherRest = QStringView(bisher).mid(gemeinsam);
    // What arrived, and the correct beginning it goes after. Text put in between correct
    // characters (the caret moved there somehow) is taken as typed at the end, as the box would
    // have taken it; text cut out of the middle takes what followed with it, without a message.
    QString angenommen;
    QString neu;
    if (jetzt.size() >= bisher.size() && QStringView(jetzt).endsWith(bisherRest)) {
        angenommen = bisher;
        neu = jetzt.mid(gemeinsam, jetzt.size() - bisher.size());
    } else {
        angenommen = bisher.left(gemeinsam);
        if (!bisherRest.endsWith(QStringView(jetzt).mid(gemeinsam)))
            neu = jetzt.mid(gemeinsam);
    }
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

        const QString kandidat = Zeichenkette::zusammengesetzt(angenommen + zeichen);
        if (zeile.startsWith(kandidat)) {
            angenommen = kandidat;
            if (angenommen.size() == zeile.size()) {
                ergebnis.vollstaendig = true;
                break;
            }
            continue;
        }
        // The first character where the candidate leaves the line: usually the new one, but a
        // combining accent can change the letter before it.
        const qsizetype stelle =
            Zeichenkette::anzahl(QStringView(kandidat).first(gemeinsamerAnfang(kandidat, zeile)));
        ergebnis.falsch = Falsch{zeichenAn(zeile, stelle), zeichenAn(kandidat, stelle)};
        break;
    }
    ergebnis.angenommen = angenommen;
    return ergebnis;
}

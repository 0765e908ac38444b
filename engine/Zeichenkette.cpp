#include "engine/Zeichenkette.h"

namespace Zeichenkette {

namespace {

// Length in UTF-16 units of the character that ends at `ende` (exclusive).
qsizetype breiteVor(QStringView text, qsizetype ende)
{
    if (ende >= 2 && text[ende - 1].isLowSurrogate() && text[ende - 2].isHighSurrogate())
        return 2;
    return ende >= 1 ? 1 : 0;
}

} // namespace

qsizetype breiteAb(QStringView text, qsizetype stelle)
{
    if (stelle + 1 < text.size() && text[stelle].isHighSurrogate() &&
        text[stelle + 1].isLowSurrogate())
        return 2;
    return stelle < text.size() ? 1 : 0;
}

qsizetype anzahl(QStringView text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++n;
    }
    return n;
}

QString anfang(QStringView text, qsizetype n)
{
    qsizetype i = 0;
    for (qsizetype gezaehlt = 0; gezaehlt < n && i < text.size(); ++gezaehlt) {
        const bool paar =
            i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
        i += paar ? 2 : 1;
    }
    return text.first(i).toString();
}

QString letztes(QStringView text)
{
    return text.last(breiteVor(text, text.size())).toString();
}

QString zusammengesetzt(const QString &text)
{
    // Lines and typed text are nearly always composed already; skip the copy then.
    for (const QChar c : text) {
        if (c.unicode() >= 0x0300)
            return text.normalized(QString::NormalizationForm_C);
    }
    return text;
}

} // namespace Zeichenkette

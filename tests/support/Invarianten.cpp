#include "Invarianten.h"

#include "engine/Uebung.h"
#include "engine/Zeichenkette.h"

#include <QRegularExpression>

namespace Invarianten {

bool istRichtigerAnfang(const QString &feld, const QString &zeile)
{
    return zeile.startsWith(Zeichenkette::zusammengesetzt(feld));
}

QString pruefe(const Anzeige &a, const Uebungszustand &z, const QString &startTitel)
{
    for (qsizetype i = 0; i < a.feld.size(); ++i) {
        const bool hoch = a.feld[i].isHighSurrogate();
        const bool tief = a.feld[i].isLowSurrogate();
        if (hoch && !(i + 1 < a.feld.size() && a.feld[i + 1].isLowSurrogate()))
            return QStringLiteral("FELD holds half a character at %1").arg(i);
        if (tief && !(i > 0 && a.feld[i - 1].isHighSurrogate()))
            return QStringLiteral("FELD holds half a character at %1").arg(i);
    }
    if (z.ZeileNr < 1 || z.ZeileNr > 16)
        return QStringLiteral("ZeileNr %1 out of range").arg(z.ZeileNr);
    if (z.LektionNr < 0 || z.LektionNr > 29)
        return QStringLiteral("LektionNr %1 out of range").arg(z.LektionNr);
    if (z.FehlerZahl < 0 || z.FehlerfreiZahl < 0 || z.EingabeLaenge < 0 || z.ZeilenLaenge < 0)
        return QStringLiteral("negative count");

    static const QRegularExpression titel(
        QStringLiteral("^Lektion: (\\d{1,2})?- Fehlerfrei:  \\d{1,5} von 15 Reihen\\.$"));
    if (a.titel != startTitel && !titel.match(a.titel).hasMatch())
        return QStringLiteral("title \"%1\"").arg(a.titel);
    static const QRegularExpression fehler(
        QStringLiteral("^(Fehler &0|\\d{1,5}|F\\.:  \\d{1,5})$"));
    if (!fehler.match(a.fehlerTaste).hasMatch())
        return QStringLiteral("FehlerTaste \"%1\"").arg(a.fehlerTaste);
    static const QRegularExpression felD2(
        QStringLiteral("^(Lektion|Lekt\\.: \\d{1,2}, Zeile:  \\d{1,2})$"));
    if (!felD2.match(a.felD2).hasMatch())
        return QStringLiteral("FelD2 \"%1\"").arg(a.felD2);
    if (!a.feldAktiv && (a.feld != Uebung::auswahlaufforderung() || a.wiederholenSichtbar))
        return QStringLiteral("lesson ended without the select-lesson prompt");
    return {};
}

} // namespace Invarianten

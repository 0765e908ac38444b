#include "Invarianten.h"

#include "Sollwerte.h"

#include <QRegularExpression>

namespace Invarianten {

QString pruefeFeld(const QString &feld, bool feldAktiv, const QString &zeile)
{
    for (qsizetype i = 0; i < feld.size(); ++i) {
        const bool hoch = feld[i].isHighSurrogate();
        const bool tief = feld[i].isLowSurrogate();
        if ((hoch && !(i + 1 < feld.size() && feld[i + 1].isLowSurrogate())) ||
            (tief && !(i > 0 && feld[i - 1].isHighSurrogate())))
            return QStringLiteral("FELD holds half a character at %1").arg(i);
    }
    if (!feldAktiv && feld != Sollwerte::Auswahlaufforderung)
        return QStringLiteral("lesson ended without the select-lesson prompt");
    if (feldAktiv && feld != Sollwerte::FeldAmAnfang && !zeile.startsWith(feld))
        return QStringLiteral("FELD \"%1\" is no beginning of \"%2\"").arg(feld, zeile);
    return {};
}

QString pruefeFenster(const Anzeige &a, bool feldAktiv, const QString &startTitel)
{
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
    if (!a.meinText.startsWith(QLatin1Char('_')))
        return QStringLiteral("MeinText \"%1\"").arg(a.meinText);
    if (!feldAktiv && a.wiederholenSichtbar)
        return QStringLiteral("Wiederholen shown after the lesson's end");
    return {};
}

} // namespace Invarianten

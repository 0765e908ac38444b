// The line operations of the exercise: choosing a lesson and showing its lines one by one.

#include "engine/Uebung.h"
#include "engine/Uebungsansicht.h"
#include "engine/Zaehler.h"
#include "lessons/Lektionskatalog.h"
#include "lessons/Lektionstexte.h"

void Uebung::LektionWaehlen(int index, int versatz)
{
    a.setzeWiederholenSichtbar(true);
    z.ZeileNr = 1;
    // The title counts the lines of the lesson at hand "von 15 Reihen".
    z.FehlerfreiZahl = 0;
    a.setzeFeldText(QString());
    a.setzeFeldAktiv(true);
    z.LektionNr = qint16(index + versatz);
    const Lektion &lektion = Lektionskatalog::lektion(z.LektionNr);
    a.markiereLernTasten(lektion.lernTasten);
    a.setzeText(
        QString::fromUtf16(lektion.erklaerung.data(), qsizetype(lektion.erklaerung.size())));
    Fokusrueckgabe();
    NaechsteZeile();
}

void Uebung::NaechsteZeile()
{
    const int lektion = z.LektionNr + 1;
    a.setzeFelD2(QStringLiteral("Lekt.: ") + QString::number(lektion) +
                 QStringLiteral(", Zeile: ") + Zaehler::mitVorzeichen(z.ZeileNr));
    if (z.LektionNr >= 0 && z.LektionNr < Lektionstexte::AnzahlLektionen) {
        z.LektionText = QString::number(lektion);
        if (z.ZeileNr >= 1 && z.ZeileNr <= Lektionstexte::ZeilenJeLektion)
            ZeigeZeile(Lektionstexte::zeile(lektion, z.ZeileNr));
    }
    Fokusrueckgabe();
    z.ZeileNr = Zaehler::erhoeht(z.ZeileNr);
}

void Uebung::ZeigeZeile(const QString &zeile)
{
    a.setzeTextFeld(zeile);
    Fokusrueckgabe();
}

#include "engine/Uebung.h"

#include "engine/Uebungsansicht.h"
#include "engine/Zaehler.h"
#include "engine/Zeichenkette.h"

namespace {

QString falschesZeichenMeldung(const QString &erwartet, const QString &getippt)
{
    return QStringLiteral("Es sollte das Zeichen {") + erwartet +
           QStringLiteral("} eingegeben werden.\rSie haben das Zeichen {") + getippt +
           QStringLiteral("} eingegeben.\r\rBitte geben Sie das richtige Zeichen ein. Nehmen Sie "
                          "den richtigen Finger und ...\r... vorher mit dem rechten kleinen Finger "
                          "die Eingabetaste betätigen um dieses OK zu bestätigen.");
}

QString echo(const QString &eingabe)
{
    return QLatin1Char('_') + eingabe;
}

} // namespace

Uebung::Uebung(Uebungsansicht &ansicht) : a(ansicht) {}

QString Uebung::auswahlaufforderung()
{
    return QString(40, QLatin1Char(' ')) + QStringLiteral("- Lektion auswählen -");
}

QString Uebung::anleitung()
{
    return QStringLiteral("Was hier im gelben Feld erscheint sind die Übungszeilen. Die muss man "
                          "eintippen.");
}

void Uebung::startwerteSetzen()
{
    z.FehlerZahl = 0;
    z.FehlerfreiZahl = 0;
}

void Uebung::startzeileSetzen()
{
    a.setzeTextFeld(anleitung());
    z.LektionNr = 14;
    z.ZeileNr = 1;
}

void Uebung::PruefeEingabe()
{
    const QString feld = a.feldText();
    if (feld == auswahlaufforderung()) {
        a.setzeWiederholenSichtbar(false);
        return;
    }

    z.Eingabe = Zeichenkette::zusammengesetzt(feld);
    z.EingabeLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Eingabe));
    z.Vorgabe = a.textFeld();
    z.ZeilenLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Vorgabe));
    // Taken once: the completion check below compares with it even after a correction.
    const QString erwarteterAnfang = Zeichenkette::anfang(z.Vorgabe, z.EingabeLaenge);

    if (z.EingabeLaenge < z.ZeilenLaenge)
        a.setzeMeinText(echo(z.Eingabe));

    if (z.EingabeLaenge >= 1 && z.ZeilenLaenge >= 1) {
        QString erwartet = Zeichenkette::letztes(erwarteterAnfang);
        QString getippt = Zeichenkette::letztes(z.Eingabe);
        if (erwartet != getippt) {
            if (m_korrekturen > 0) {
                // Run nested inside a correction: the correcting run removes this character too,
                // in its own loop, so a long paste never nests deeper than one level.
                m_weiterFalsch = true;
                m_naechstErwartet = erwartet;
                m_naechstGetippt = getippt;
                return;
            }
            QString rest = feld;
            for (;;) {
                a.meldung(falschesZeichenMeldung(erwartet, getippt));
                z.FehlerZahl = Zaehler::erhoeht(z.FehlerZahl);
                a.setzeFehlerTaste(QStringLiteral("F.: ") + Zaehler::mitVorzeichen(z.FehlerZahl));
                // Drop the last character as it arrived: when a combining accent turned a correct
                // letter into a wrong one, only the accent goes and the letter stays.
                m_weiterFalsch = false;
                ++m_korrekturen;
                a.setzeFeldText(Zeichenkette::ohneLetztes(rest));
                --m_korrekturen;
                if (!m_weiterFalsch)
                    break;
                rest = a.feldText();
                erwartet = m_naechstErwartet;
                getippt = m_naechstGetippt;
            }
            a.setzeFeldCursorAnsEnde();
            z.Eingabe = Zeichenkette::zusammengesetzt(a.feldText());
            z.EingabeLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Eingabe));
            a.setzeMeinText(echo(z.Eingabe));
        }
    }

    if (z.EingabeLaenge == z.ZeilenLaenge) {
        if (erwarteterAnfang == z.Eingabe) {
            z.FehlerfreiZahl = Zaehler::erhoeht(z.FehlerfreiZahl);
            a.setzeFenstertitel(
                QStringLiteral("Lektion: ") + z.LektionText + QStringLiteral("- Fehlerfrei: ") +
                Zaehler::mitVorzeichen(z.FehlerfreiZahl) + QStringLiteral(" von 15 Reihen."));
            a.setzeFeldText(QString());
            a.setzeMeinText(QStringLiteral("_"));
        }
        if (z.ZeileNr > ZeilenJeLektion)
            Lektionsende();
        else
            NaechsteZeile();
    }
}

void Uebung::Lektionsende()
{
    a.setzeFeldText(auswahlaufforderung());
    a.setzeWiederholenSichtbar(false);
    a.setzeFeldAktiv(false);
    a.setzeTextFeld(QStringLiteral("Lektion beendet"));
    a.setzeText(QStringLiteral("\r\r--- NEUE LEKTION WÄHLEN ---"));
}

void Uebung::FELD_KeyDown()
{
    if (Zeichenkette::anzahl(a.feldText()) >= Warnlaenge)
        a.meldung(QStringLiteral("TEXT ZU LANG"));
}

void Uebung::FehlerTaste_Click()
{
    z.FehlerZahl = 0;
    a.setzeFehlerTaste(QString::number(z.FehlerZahl));
}

void Uebung::Wiederholen_Click()
{
    if (z.ZeileNr <= 1)
        return;
    z.ZeileNr = qint16(z.ZeileNr - 2);
    NaechsteZeile();
    a.setzeMeinText(echo(z.Eingabe));
    a.setzeFeldText(QString());
    Fokusrueckgabe();
}

void Uebung::Fokusrueckgabe()
{
    if (a.feldAktiv())
        a.gibFeldFokus();
}

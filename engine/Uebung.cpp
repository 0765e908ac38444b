#include "engine/Uebung.h"

#include "engine/Feldzugang.h"
#include "engine/Zaehler.h"
#include "engine/Zeichenkette.h"
#include "lessons/Kurs.h"

Uebung::Uebung(Feldzugang &feld, QObject *parent) : QObject(parent), m_feld(feld) {}

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
    m_zustand.FehlerZahl = 0;
    m_zustand.FehlerfreiZahl = 0;
}

void Uebung::startzeileSetzen()
{
    m_zeile = anleitung();
    Q_EMIT zeileGezeigt(m_zeile);
    // Lesson 15 follows when the instruction is typed as if it were a line.
    m_zustand.LektionNr = 14;
    m_zustand.ZeileNr = 1;
}

void Uebung::LektionWaehlen(int lektionNr)
{
    Uebungszustand &z = m_zustand;
    Q_EMIT wiederholenMoeglich(true);
    z.ZeileNr = 1;
    // The title counts the lines of the lesson at hand "von 15 Reihen".
    z.FehlerfreiZahl = 0;
    m_feld.setzeText(QString()); // evaluates the empty box, nested
    m_feld.setzeAktiv(true);
    z.LektionNr = qint16(lektionNr);
    const int lektion = z.LektionNr + 1;
    Q_EMIT lektionGewaehlt(lektion, Kurs::lernTasten(lektion), Kurs::erklaerung(lektion));
    Fokusrueckgabe();
    NaechsteZeile();
}

void Uebung::NaechsteZeile()
{
    Uebungszustand &z = m_zustand;
    const int lektion = z.LektionNr + 1;
    Q_EMIT positionGeaendert(lektion, z.ZeileNr);
    if (z.LektionNr >= 0 && z.LektionNr < Kurs::AnzahlLektionen) {
        z.LektionText = QString::number(lektion);
        if (z.ZeileNr >= 1 && z.ZeileNr <= Kurs::ZeilenJeLektion)
            ZeigeZeile(Kurs::zeile(lektion, z.ZeileNr));
    }
    Fokusrueckgabe();
    z.ZeileNr = Zaehler::erhoeht(z.ZeileNr);
}

void Uebung::ZeigeZeile(const QString &zeile)
{
    m_zeile = zeile;
    Q_EMIT zeileGezeigt(m_zeile);
    Fokusrueckgabe();
}

void Uebung::PruefeEingabe()
{
    Uebungszustand &z = m_zustand;
    const QString feld = m_feld.text();
    if (feld == auswahlaufforderung()) {
        Q_EMIT wiederholenMoeglich(false);
        return;
    }

    z.Eingabe = Zeichenkette::zusammengesetzt(feld);
    z.EingabeLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Eingabe));
    z.Vorgabe = m_zeile;
    z.ZeilenLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Vorgabe));
    // Taken once: the completion check below compares with it even after a correction.
    const QString erwarteterAnfang = Zeichenkette::anfang(z.Vorgabe, z.EingabeLaenge);

    if (z.EingabeLaenge < z.ZeilenLaenge)
        Q_EMIT eingabeGeaendert(z.Eingabe);

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
                Q_EMIT falschesZeichen(erwartet, getippt);
                z.FehlerZahl = Zaehler::erhoeht(z.FehlerZahl);
                Q_EMIT fehlerGezaehlt(z.FehlerZahl);
                // Drop the last character as it arrived: when a combining accent turned a correct
                // letter into a wrong one, only the accent goes and the letter stays.
                m_weiterFalsch = false;
                ++m_korrekturen;
                m_feld.setzeText(Zeichenkette::ohneLetztes(rest)); // evaluates again, nested
                --m_korrekturen;
                if (!m_weiterFalsch)
                    break;
                rest = m_feld.text();
                erwartet = m_naechstErwartet;
                getippt = m_naechstGetippt;
            }
            m_feld.cursorAnsEnde();
            z.Eingabe = Zeichenkette::zusammengesetzt(m_feld.text());
            z.EingabeLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Eingabe));
            Q_EMIT eingabeGeaendert(z.Eingabe);
        }
    }

    // An empty line (after a lesson's end) is never complete.
    if (z.ZeilenLaenge >= 1 && z.EingabeLaenge == z.ZeilenLaenge) {
        if (erwarteterAnfang == z.Eingabe) {
            z.FehlerfreiZahl = Zaehler::erhoeht(z.FehlerfreiZahl);
            Q_EMIT zeileGeschafft(z.LektionText, z.FehlerfreiZahl);
            m_feld.setzeText(QString()); // evaluates the empty box, nested
            Q_EMIT eingabeGeaendert(QString());
        }
        if (z.ZeileNr > Kurs::ZeilenJeLektion)
            Lektionsende();
        else
            NaechsteZeile();
    }
}

void Uebung::Lektionsende()
{
    m_feld.setzeText(auswahlaufforderung()); // evaluates the prompt, nested: hides Wiederholen
    Q_EMIT wiederholenMoeglich(false);
    m_feld.setzeAktiv(false);
    m_zeile.clear();
    Q_EMIT lektionBeendet();
}

void Uebung::FELD_KeyDown()
{
    if (Zeichenkette::anzahl(m_feld.text()) >= Kurs::Hoechstlaenge)
        Q_EMIT eingabeZuLang();
}

void Uebung::FehlerTaste_Click()
{
    m_zustand.FehlerZahl = 0;
    Q_EMIT fehlerZurueckgesetzt();
}

void Uebung::Wiederholen_Click()
{
    Uebungszustand &z = m_zustand;
    if (z.ZeileNr <= 1)
        return;
    z.ZeileNr = qint16(z.ZeileNr - 2);
    NaechsteZeile();
    Q_EMIT eingabeGeaendert(z.Eingabe);
    m_feld.setzeText(QString()); // evaluates the empty box, nested
    Fokusrueckgabe();
}

void Uebung::Fokusrueckgabe()
{
    if (m_feld.istAktiv())
        m_feld.gibFokus();
}

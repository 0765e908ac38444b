#include "engine/Uebung.h"

#include "engine/Eingabepruefung.h"
#include "engine/Zaehler.h"
#include "engine/Zeichenkette.h"
#include "lessons/Kurs.h"

QString Uebung::anleitung()
{
    return QStringLiteral("Was hier im gelben Feld erscheint sind die Übungszeilen. Die muss man "
                          "eintippen.");
}

void Uebung::starten()
{
    m_zustand.FehlerZahl = 0;
    m_zustand.FehlerfreiZahl = 0;
    // Whatever the box shows before the first lesson is a prompt that the first input replaces.
    m_platzhalter = true;
    ZeigeZeile(anleitung());
    // Lesson 15 follows when the instruction is typed as if it were a line.
    m_zustand.LektionNr = 14;
    m_zustand.ZeileNr = 1;
}

void Uebung::lektionWaehlen(int lektion)
{
    Uebungszustand &z = m_zustand;
    Q_EMIT wiederholenMoeglich(true);
    z.ZeileNr = 1;
    // The title counts the lines of the lesson at hand "von 15 Reihen".
    z.FehlerfreiZahl = 0;
    m_beendet = false;
    setzeEingabe(QString());
    z.LektionNr = qint16(lektion - 1);
    Q_EMIT lektionGewaehlt(lektion, Kurs::lernTasten(lektion), Kurs::erklaerung(lektion));
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
    z.ZeileNr = Zaehler::erhoeht(z.ZeileNr);
}

void Uebung::ZeigeZeile(const QString &zeile)
{
    m_zeile = zeile;
    Q_EMIT zeileGezeigt(m_zeile);
}

void Uebung::tippe(const Eingabe &eingabe)
{
    // The one guard: nothing counts while a message waits for the learner or after the lesson.
    if (m_meldungOffen || m_beendet)
        return;
    if (eingabe.tasteRunter && Zeichenkette::anzahl(m_zustand.Eingabe) >= Kurs::Hoechstlaenge)
        melde([this] { Q_EMIT eingabeZuLang(); });
    // The key that raised the warning still lands once it is confirmed.
    if (eingabe.zurueck <= 0 && eingabe.text.isEmpty())
        return;
    // The design's prompt stands in the box as if selected: what arrives replaces it.
    const QString bisher = m_platzhalter ? QString() : m_zustand.Eingabe;
    const qsizetype bleibt = Zeichenkette::anzahl(bisher) - std::max(eingabe.zurueck, 0);
    PruefeEingabe(Zeichenkette::anfang(bisher, std::max<qsizetype>(bleibt, 0)), eingabe.text);
}

void Uebung::PruefeEingabe(const QString &bisher, const QString &neu)
{
    Uebungszustand &z = m_zustand;
    const Eingabepruefung pruefung = Eingabepruefung::pruefe(bisher, neu, m_zeile);
    if (pruefung.falsch) {
        // One message for the first wrong character, however much arrived with it; the box shows
        // that character until the message is confirmed, then loses it again.
        const Eingabepruefung::Falsch &f = *pruefung.falsch;
        setzeEingabe(f.bisDahin);
        melde([&] { Q_EMIT falschesZeichen(f.erwartet, f.getippt); });
        z.FehlerZahl = Zaehler::erhoeht(z.FehlerZahl);
        Q_EMIT fehlerGezaehlt(z.FehlerZahl);
    }
    if (pruefung.vollstaendig) {
        z.FehlerfreiZahl = Zaehler::erhoeht(z.FehlerfreiZahl);
        Q_EMIT zeileGeschafft(z.LektionText, z.FehlerfreiZahl);
        setzeEingabe(QString());
        if (z.ZeileNr > Kurs::ZeilenJeLektion)
            Lektionsende();
        else
            NaechsteZeile();
        return;
    }
    setzeEingabe(pruefung.angenommen);
}

template <typename Meldung> void Uebung::melde(Meldung meldung)
{
    m_meldungOffen = true;
    meldung();
    m_meldungOffen = false;
}

void Uebung::setzeEingabe(const QString &text)
{
    if (text == m_zustand.Eingabe && !m_platzhalter)
        return;
    m_platzhalter = false;
    m_zustand.Eingabe = text;
    Q_EMIT eingabeGeaendert(text);
}

void Uebung::Lektionsende()
{
    m_beendet = true;
    // The box shows the select-lesson prompt now, which the next lesson replaces.
    m_platzhalter = true;
    m_zeile.clear();
    Q_EMIT wiederholenMoeglich(false);
    Q_EMIT lektionBeendet();
}

void Uebung::fehlerZuruecksetzen()
{
    m_zustand.FehlerZahl = 0;
    Q_EMIT fehlerZurueckgesetzt();
}

void Uebung::zeileWiederholen()
{
    Uebungszustand &z = m_zustand;
    if (z.ZeileNr <= 1 || m_beendet)
        return;
    z.ZeileNr = qint16(z.ZeileNr - 2);
    NaechsteZeile();
    setzeEingabe(QString());
}

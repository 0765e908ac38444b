#include "engine/Uebung.h"

#include "engine/Eingabepruefung.h"
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
    // Whatever the box shows before the first lesson is a prompt that the first key replaces.
    m_angenommen = m_feld.text();
    m_platzhalter = !m_angenommen.isEmpty();
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
    if (m_meldungOffen)
        return; // dropped once the message is confirmed, see melde()
    const QString feld = m_feld.text();
    // The prompt is ours only once the lesson is over; pasted into an open lesson it is typing.
    if (!m_feld.istAktiv() && feld == auswahlaufforderung()) {
        m_angenommen = feld;
        Q_EMIT wiederholenMoeglich(false);
        return;
    }
    if (feld == m_angenommen)
        return; // the box shows what was accepted: our own correction, run nested

    QString bisher = m_angenommen;
    QString jetzt = feld;
    if (m_platzhalter) {
        // The design's prompt stands in the box as if selected: what is typed replaces it.
        m_platzhalter = false;
        jetzt = feld.startsWith(bisher) ? feld.mid(bisher.size())
                : feld.endsWith(bisher) ? feld.left(feld.size() - bisher.size())
                                        : QString();
        bisher.clear();
    }

    const Eingabepruefung pruefung = Eingabepruefung::pruefe(bisher, jetzt, m_zeile);
    m_angenommen = pruefung.angenommen;
    z.Eingabe = m_angenommen;
    z.EingabeLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Eingabe));
    z.Vorgabe = m_zeile;
    z.ZeilenLaenge = Zaehler::laenge(Zeichenkette::anzahl(z.Vorgabe));

    if (pruefung.falsch) {
        // One message for the first wrong character, however much arrived with it.
        melde([&] { Q_EMIT falschesZeichen(pruefung.falsch->erwartet, pruefung.falsch->getippt); });
        z.FehlerZahl = Zaehler::erhoeht(z.FehlerZahl);
        Q_EMIT fehlerGezaehlt(z.FehlerZahl);
    }

    if (pruefung.vollstaendig) {
        z.FehlerfreiZahl = Zaehler::erhoeht(z.FehlerfreiZahl);
        Q_EMIT zeileGeschafft(z.LektionText, z.FehlerfreiZahl);
        m_angenommen.clear();
        m_feld.setzeText(QString()); // evaluates the empty box, nested
        Q_EMIT eingabeGeaendert(QString());
        if (z.ZeileNr > Kurs::ZeilenJeLektion)
            Lektionsende();
        else
            NaechsteZeile();
        return;
    }

    // The box keeps only what was accepted, composed, with the caret at its end.
    if (m_feld.text() != m_angenommen) {
        m_feld.setzeText(m_angenommen); // evaluates again, nested: finds it accepted
        m_feld.cursorAnsEnde();
    }
    Q_EMIT eingabeGeaendert(m_angenommen);
}

void Uebung::melde(const std::function<void()> &meldung)
{
    m_meldungOffen = true;
    meldung();
    m_meldungOffen = false;
    // What reached the box while the message was open is dropped: what was typed before stays.
    if (m_feld.text() != m_angenommen && m_feld.text() != auswahlaufforderung()) {
        m_feld.setzeText(m_angenommen);
        m_feld.cursorAnsEnde();
    }
}

void Uebung::Lektionsende()
{
    m_feld.setzeAktiv(false);
    m_feld.setzeText(auswahlaufforderung()); // evaluates the prompt, nested: hides Wiederholen
    Q_EMIT wiederholenMoeglich(false);
    m_zeile.clear();
    Q_EMIT lektionBeendet();
}

void Uebung::FELD_KeyDown()
{
    if (Zeichenkette::anzahl(m_feld.text()) >= Kurs::Hoechstlaenge)
        melde([this] { Q_EMIT eingabeZuLang(); });
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

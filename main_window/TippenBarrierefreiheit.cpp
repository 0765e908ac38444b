// What a screen reader gets from the main window. Controls that show text expose that text as
// their name, so a reader hears what a sighted learner reads; what a control is and what it does
// goes into its description. The input box describes the line to type, keys describe their
// marking, and news that comes while the focus stays in the box is announced.

#include "main_window/tippen.h"

#include "keyboard/Finger.h"
#include "lessons/Kurs.h"
#include "main_window/Ansage.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Knopf.h"
#include "util/SvgBild.h"

#include <QLabel>
#include <QMenu>

void tippen::benenneFuerScreenreader()
{
    m_rand->setAccessibleName(QStringLiteral("Übungsfenster"));
    m_client->setAccessibleName(QStringLiteral("Übungsbereich"));
    for (QMenu *menue : findChildren<QMenu *>())
        menue->setAccessibleName(menue->title().remove(QLatin1Char('&')));

    TextFeld->setAccessibleDescription(QStringLiteral("Übungszeile"));
    MeinText->setAccessibleDescription(QStringLiteral("Bisher getippt"));
    FelD2->setAccessibleDescription(QStringLiteral("Lektion und Zeile"));
    Text->setAccessibleDescription(QStringLiteral("Text zur Lektion"));
    FELD->setAccessibleName(QStringLiteral("Eingabe"));
    beschreibeFeld();
    Image1->setAccessibleName(QStringLiteral("Bild: zwei Hände auf der Tastatur"));
    Figur1->setAccessibleName(QStringLiteral("Tastaturfeld"));

    for (int i = 0; i < Fingerfuehrung::AnzahlFinger; ++i)
        Finger[i]->setAccessibleDescription(
            Fingerfuehrung::Fingertabelle[std::size_t(i)].name.toString() +
            QStringLiteral(": zeigt seine Tasten"));
    for (int i = 0; i < Fingerfuehrung::AnzahlMarker; ++i) {
        DieFinger[i]->setAccessibleName(
            QStringLiteral("Markierung ") +
            Fingerfuehrung::Markertabelle[std::size_t(i)].name.toString());
        beschreibeMarker(i);
    }

    ZeigeTasten[0]->setAccessibleDescription(QStringLiteral("Zeigt die Tasten ohne Umschalttaste"));
    ZeigeTasten[1]->setAccessibleDescription(QStringLiteral("Zeigt die Tasten mit Umschalttaste"));
    EndE->setAccessibleDescription(QStringLiteral("Programm verlassen"));
    FehlerTaste->setAccessibleDescription(
        QStringLiteral("Fehlerzähler; ein Klick stellt ihn wieder auf 0"));
    Wiederholen->setAccessibleDescription(QStringLiteral("Eine Zeile zurückgehen"));

    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Tastendaten &t = Tastatur::Tabelle[i];
        // A picture says nothing to a listener: those keys are called by their names.
        if (!t.bild.isEmpty())
            m_tasten[i]->setAccessibleName(t.sprechname.toString());
        beschreibeTaste(i);
        connect(m_tasten[i], &Knopf::schriftGeaendert, this, [this, i] { beschreibeTaste(i); });
    }
}

void tippen::beschreibeTaste(std::size_t i)
{
    const Tastendaten &t = Tastatur::Tabelle[i];
    const QFont schrift = m_tasten[i]->font();
    QStringList teile;
    if (t.bild.isEmpty() && !t.sprechname.isEmpty())
        teile << t.sprechname.toString();
    if (schrift.bold())
        teile << QStringLiteral("gelernt");
    if (schrift.underline())
        teile << QStringLiteral("Taste des gewählten Fingers");
    teile << (t.taste.feld == Tastenfeld::Command1 || t.taste.feld == Tastenfeld::Command2 ||
                      t.taste.feld == Tastenfeld::Command3
                  ? QStringLiteral("zurück zur Eingabe")
                  : QStringLiteral("ein Klick erklärt die Taste"));
    m_tasten[i]->setAccessibleDescription(teile.join(QStringLiteral(", ")));
}

void tippen::beschreibeMarker(int i)
{
    const QColor farbe = DieFinger[i]->fuellfarbe();
    const QString wie = farbe == QColor(bgr(0x000000FF))   ? QStringLiteral("leuchtet rot")
                        : farbe == QColor(bgr(0x0000FFFF)) ? QStringLiteral("leuchtet gelb")
                                                           : QStringLiteral("hellblau");
    DieFinger[i]->setAccessibleDescription(wie);
}

// The box carries the line to type and where the lesson stands, so a screen reader can read
// both without leaving it.
void tippen::beschreibeFeld()
{
    const Uebungszustand &z = m_uebung.zustand();
    QString beschreibung;
    if (!FELD->isEnabled())
        beschreibung = QStringLiteral("Lektion beendet. Bitte eine neue Lektion wählen.");
    else if (z.LektionText.isEmpty())
        beschreibung = m_uebung.zeile() + QStringLiteral(" – noch keine Lektion gewählt");
    else
        beschreibung = m_uebung.zeile() + QStringLiteral(" – ") + position();
    FELD->setAccessibleDescription(beschreibung);
}

QString tippen::position() const
{
    return QStringLiteral("Lektion %1, Zeile %2 von %3")
        .arg(m_lektionAufSchirm)
        .arg(m_zeileAufSchirm)
        .arg(Kurs::ZeilenJeLektion);
}

void tippen::sage(const QString &text)
{
    m_ansage->sage(text);
}

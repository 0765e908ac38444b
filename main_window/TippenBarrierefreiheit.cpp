// Names and descriptions for screen readers. Key buttons keep their names when their captions
// switch between the two label sets.

#include "main_window/tippen.h"

#include "keyboard/Finger.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "util/Formelement.h"
#include "util/Knopf.h"
#include "util/SvgBild.h"

#include <QLabel>
#include <QMenu>

namespace {

void benenne(QWidget *w, const QString &name, const QString &beschreibung = {})
{
    w->setAccessibleName(name);
    if (!beschreibung.isEmpty())
        w->setAccessibleDescription(beschreibung);
}

} // namespace

void tippen::benenneFuerScreenreader()
{
    benenne(m_rand, QStringLiteral("Übungsfenster"));
    benenne(m_client, QStringLiteral("Übungsbereich"));
    for (QMenu *menue : findChildren<QMenu *>())
        benenne(menue, menue->title().remove(QLatin1Char('&')));
    benenne(TextFeld, QStringLiteral("Übungszeile"), QStringLiteral("Diese Zeile wird abgetippt"));
    benenne(MeinText, QStringLiteral("Bisher getippt"));
    benenne(FELD, QStringLiteral("Eingabe"), QStringLiteral("Hier wird die Übungszeile getippt"));
    benenne(FelD2, QStringLiteral("Lektion und Zeile"));
    benenne(Text, QStringLiteral("Text zur Lektion"));
    benenne(Image1, QStringLiteral("Bild: zwei Hände auf der Tastatur"));
    benenne(Figur1, QStringLiteral("Tastaturfeld"));
    for (QLabel *l : Bezeichnung1)
        benenne(l, l->text());

    for (int i = 0; i < Fingerfuehrung::AnzahlFinger; ++i)
        benenne(Finger[i], Fingerfuehrung::Fingertabelle[std::size_t(i)].name.toString(),
                QStringLiteral("Zeigt die Tasten dieses Fingers"));
    for (int i = 0; i < Fingerfuehrung::AnzahlMarker; ++i)
        benenne(DieFinger[i], QStringLiteral("Markierung ") +
                                  Fingerfuehrung::Markertabelle[std::size_t(i)].name.toString());

    benenne(ZeigeTasten[0], QStringLiteral("Tasten ohne Umschalttaste zeigen"));
    benenne(ZeigeTasten[1], QStringLiteral("Tasten mit Umschalttaste zeigen"));
    benenne(EndE, QStringLiteral("Ende"), QStringLiteral("Programm verlassen"));
    benenne(FehlerTaste, QStringLiteral("Fehler"),
            QStringLiteral("Fehlerzähler wieder auf 0 stellen"));
    benenne(Wiederholen, QStringLiteral("Wiederholen"), QStringLiteral("Eine Zeile zurückgehen"));

    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Tastendaten &t = Tastatur::Tabelle[i];
        const QString name = t.sprechname.isEmpty()
                                 ? QStringLiteral("Taste ") + Tastatur::entwurfsbeschriftung(t)
                                 : t.sprechname.toString();
        benenne(m_tasten[i], name,
                t.code == 0 && t.taste.feld != Tastenfeld::LeerTaste &&
                        t.taste.feld != Tastenfeld::Command4
                    ? QStringLiteral("Zurück zur Eingabe")
                    : QStringLiteral("Erklärt diese Taste"));
    }
}

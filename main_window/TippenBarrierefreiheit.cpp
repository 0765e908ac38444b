// Names and descriptions for screen readers. Key buttons keep their names when their captions
// switch between the two label sets.

#include "main_window/tippen.h"

#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "main_window/Knopf.h"
#include "main_window/Tastaturlayout.h"
#include "util/Formelement.h"
#include "util/SvgBild.h"

#include <QLabel>
#include <QMenu>

namespace {

QString tastenname(const Tastenplatz &p)
{
    const int i = p.taste.index;
    switch (p.taste.feld) {
    case Tastenfeld::ShiftTaste:
        return i == 0 ? QStringLiteral("Umschalttaste links")
                      : QStringLiteral("Umschalttaste rechts");
    case Tastenfeld::Strgtaste:
        return i == 0 ? QStringLiteral("Steuerungstaste links")
                      : QStringLiteral("Steuerungstaste rechts");
    case Tastenfeld::LockTaste:
        return QStringLiteral("Feststelltaste");
    case Tastenfeld::TabTaste:
        return QStringLiteral("Tabulatortaste");
    case Tastenfeld::Ruecktaste:
        return QStringLiteral("Rücktaste");
    case Tastenfeld::AltGrTaste:
        return QStringLiteral("Taste Alt Gr");
    case Tastenfeld::Alttaste:
        return QStringLiteral("Taste Alt");
    case Tastenfeld::LeerTaste:
        return QStringLiteral("Leertaste");
    case Tastenfeld::Command1:
        return QStringLiteral("Systemtaste links");
    case Tastenfeld::Command2:
        return QStringLiteral("Systemtaste rechts");
    case Tastenfeld::Command3:
        return QStringLiteral("Kontextmenütaste");
    case Tastenfeld::Command4:
        return QStringLiteral("Eingabetaste");
    default:
        return QStringLiteral("Taste ") +
               QString::fromUtf16(p.beschriftung.data(), qsizetype(p.beschriftung.size()));
    }
}

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

    static constexpr const char16_t *fingernamen[] = {
        u"Linker Zeigefinger",    u"Linker Mittelfinger",    u"Linker Ringfinger",
        u"Linker kleiner Finger", u"Rechter kleiner Finger", u"Rechter Ringfinger",
        u"Rechter Mittelfinger",  u"Rechter Zeigefinger"};
    for (int i = 0; i <= 7; ++i)
        benenne(Finger[i], QString::fromUtf16(fingernamen[i]),
                QStringLiteral("Zeigt die Tasten dieses Fingers"));
    static constexpr const char16_t *markernamen[] = {
        u"linker kleiner Finger", u"linker Ringfinger",    u"linker Mittelfinger",
        u"linker Zeigefinger",    u"linker Daumen",        u"rechter Daumen",
        u"rechter Zeigefinger",   u"rechter Mittelfinger", u"rechter Ringfinger",
        u"rechter kleiner Finger"};
    for (int i = 0; i <= 9; ++i)
        benenne(DieFinger[i], QStringLiteral("Markierung ") + QString::fromUtf16(markernamen[i]));

    benenne(ZeigeTasten[0], QStringLiteral("Tasten ohne Umschalttaste zeigen"));
    benenne(ZeigeTasten[1], QStringLiteral("Tasten mit Umschalttaste zeigen"));
    benenne(EndE, QStringLiteral("Ende"), QStringLiteral("Programm verlassen"));
    benenne(FehlerTaste, QStringLiteral("Fehler"),
            QStringLiteral("Fehlerzähler wieder auf 0 stellen"));
    benenne(Wiederholen, QStringLiteral("Wiederholen"), QStringLiteral("Eine Zeile zurückgehen"));

    for (const Tastenplatz &p : Tastaturlayout::Tabelle) {
        const bool nurFokus = p.taste.feld == Tastenfeld::Command1 ||
                              p.taste.feld == Tastenfeld::Command2 ||
                              p.taste.feld == Tastenfeld::Command3;
        benenne(taste(p.taste), tastenname(p),
                nurFokus ? QStringLiteral("Zurück zur Eingabe")
                         : QStringLiteral("Erklärt diese Taste"));
    }
}

#include "main_window/Bildschirmtastatur.h"

#include "keyboard/Tastenmarkierung.h"
#include "keyboard/Zeichenansage.h"
#include "util/Bauteile.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Knopf.h"

#include <QIcon>
#include <QStringList>
#include <QSvgRenderer>

Bildschirmtastatur::Bildschirmtastatur(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Bildschirmtastatur"));
    setGeometry(Platz);
    setAccessibleName(QStringLiteral("Bildschirmtastatur"));
    const QColor tastenfarbe(bgr(0x00D5ECF2));
    Figur1 = new Formelement(Formelement::Art::Rechteck, tastenfarbe,
                             palette().color(QPalette::WindowText), 2, this);
    Figur1->setObjectName(QStringLiteral("Figur1"));
    Figur1->setGeometry(rect());
    Figur1->setAccessibleName(QStringLiteral("Tastaturfeld"));

    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Tastendaten &t = Tastatur::Tabelle[i];
        Knopf *k = Bauteile::knopf(
            this, {t.taste.objektname(),
                   Bauteile::pixel(t.links, t.oben, t.breite, t.hoehe).translated(-Platz.topLeft()),
                   Tastatur::entwurfsbeschriftung(t), tastenfarbe, Bauteile::arial(t.punkte)});
        if (!t.bild.isEmpty()) {
            const QString quelle = t.bild.toString();
            k->setIcon(QIcon(quelle));
            k->setIconSize(QSvgRenderer(quelle).defaultSize());
            // A picture says nothing to a listener: those keys are called by their names.
            k->setAccessibleName(t.sprechname.toString());
        }
        if (t.taste.feld == Tastenfeld::Command4)
            k->setToolTip(QStringLiteral(" Die Eingabetaste: Enter "));
        connect(k, &Knopf::clicked, this, [this, taste = t.taste] { Q_EMIT tasteGeklickt(taste); });
        connect(k, &Knopf::schriftGeaendert, this, [this, i] { beschreibe(i); });
        m_tasten[i] = k;
        beschreibe(i);
    }
}

Knopf *Bildschirmtastatur::knopf(Taste taste) const
{
    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        if (Tastatur::Tabelle[i].taste == taste)
            return m_tasten[i];
    }
    return nullptr;
}

void Bildschirmtastatur::markiere(QStringView tastenCode, Markierung art)
{
    auto setze = [art](Knopf *knopf, Taste t, bool an) {
        QFont schrift = knopf->font();
        if (art == Markierung::Fett)
            schrift.setBold(an);
        else
            schrift.setUnderline(an);
        schrift.setPointSizeF(Tastenmarkierung::punkte(t, an));
        knopf->setFont(schrift);
    };
    // Every key the code can name is set once, marked or not: the same look as unmarking all
    // and then marking the named ones, without a burst of changes for a screen reader to hear.
    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Tastendaten &t = Tastatur::Tabelle[i];
        if (t.code != 0)
            setze(m_tasten[i], t.taste, tastenCode.contains(QChar(t.code)));
    }
}

void Bildschirmtastatur::beschrifte(bool mitUmschalt)
{
    for (std::size_t i = 0; i < m_tasten.size(); ++i) {
        const Tastendaten &t = Tastatur::Tabelle[i];
        if (t.taste.istZeichentaste())
            m_tasten[i]->setText((mitUmschalt ? t.mitUmschalt : t.ohneUmschalt).toString());
    }
}

// What a listener hears besides the caption: the key's name where the caption is a word, the
// finger that types it and what it types, its marking as the font shows it, and what a click
// does. Only a description that changed is given anew.
void Bildschirmtastatur::beschreibe(std::size_t i)
{
    const Tastendaten &t = Tastatur::Tabelle[i];
    const QFont schrift = m_tasten[i]->font();
    QStringList teile;
    if (t.bild.isEmpty() && !t.sprechname.isEmpty())
        teile << t.sprechname.toString();
    if (const QString wie = Zeichenansage::taste(t.taste); !wie.isEmpty())
        teile << wie;
    if (schrift.bold())
        teile << QStringLiteral("gelernt");
    if (schrift.underline())
        teile << QStringLiteral("Taste des gewählten Fingers");
    const bool nurFokus = t.taste.feld == Tastenfeld::Command1 ||
                          t.taste.feld == Tastenfeld::Command2 ||
                          t.taste.feld == Tastenfeld::Command3;
    teile << (nurFokus ? QStringLiteral("zurück zur Eingabe")
                       : QStringLiteral("ein Klick erklärt die Taste"));
    const QString beschreibung = teile.join(QStringLiteral(", "));
    if (m_tasten[i]->accessibleDescription() != beschreibung)
        m_tasten[i]->setAccessibleDescription(beschreibung);
}

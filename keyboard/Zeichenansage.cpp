#include "keyboard/Zeichenansage.h"

#include "keyboard/Finger.h"
#include "keyboard/Tippweg.h"

#include <QStringList>
#include <optional>

namespace Zeichenansage {

namespace {

struct Eigenname
{
    char16_t zeichen;
    QStringView name;
};

// Every character that is neither letter nor digit and that the keyboard types, and a few more
// that arrive by pasting.
constexpr Eigenname Eigennamen[] = {
    {u' ', u"Leerzeichen"},
    {u'\u00A0', u"geschütztes Leerzeichen"},
    {u'\t', u"Tabulator"},
    {u'!', u"Ausrufezeichen"},
    {u'"', u"Anführungszeichen"},
    {u'#', u"Raute"},
    {u'$', u"Dollarzeichen"},
    {u'%', u"Prozentzeichen"},
    {u'&', u"Und-Zeichen"},
    {u'\'', u"Apostroph"},
    {u'(', u"Klammer auf"},
    {u')', u"Klammer zu"},
    {u'*', u"Stern"},
    {u'+', u"Plus"},
    {u',', u"Komma"},
    {u'-', u"Bindestrich"},
    {u'.', u"Punkt"},
    {u'/', u"Schrägstrich"},
    {u':', u"Doppelpunkt"},
    {u';', u"Semikolon"},
    {u'<', u"kleiner als"},
    {u'=', u"Gleichheitszeichen"},
    {u'>', u"größer als"},
    {u'?', u"Fragezeichen"},
    {u'@', u"At-Zeichen"},
    {u'[', u"eckige Klammer auf"},
    {u'\\', u"umgekehrter Schrägstrich"},
    {u']', u"eckige Klammer zu"},
    {u'^', u"Zirkumflex"},
    {u'_', u"Unterstrich"},
    {u'`', u"Gravis"},
    {u'{', u"geschweifte Klammer auf"},
    {u'|', u"senkrechter Strich"},
    {u'}', u"geschweifte Klammer zu"},
    {u'~', u"Tilde"},
    {u'§', u"Paragrafzeichen"},
    {u'°', u"Gradzeichen"},
    {u'²', u"hoch zwei"},
    {u'³', u"hoch drei"},
    {u'´', u"Akut"},
    {u'µ', u"Mikrozeichen"},
    {u'ß', u"scharfes S"},
    {u'€', u"Eurozeichen"},
};

constexpr Ebene Ebenen[] = {Ebene::Ohne, Ebene::Umschalt, Ebene::AltGr};

char32_t erstes(QStringView text)
{
    const QList<uint> punkte = text.toString().normalized(QString::NormalizationForm_C).toUcs4();
    return punkte.isEmpty() ? 0 : char32_t(punkte.first());
}

QString alsText(char32_t zeichen)
{
    return QString::fromUcs4(&zeichen, 1);
}

QString zeichenVon(const Tastendruck &d)
{
    return Tastatur::zeichen(Tastatur::daten(d.taste), d.ebene);
}

bool istLeertaste(const Tastendruck &d)
{
    return !d.taste.istZeichentaste();
}

std::optional<QString> eigenerName(char32_t zeichen);

// A letter behind a dead key: its letter, then the accent.
std::optional<QString> akzentname(const std::optional<Tippweg> &weg)
{
    if (!weg || !weg->totetaste || istLeertaste(weg->taste))
        return std::nullopt;
    const std::optional<QString> buchstabe = eigenerName(erstes(zeichenVon(weg->taste)));
    const std::optional<QString> akzent = eigenerName(erstes(zeichenVon(*weg->totetaste)));
    if (!buchstabe || !akzent)
        return std::nullopt;
    return *buchstabe + QStringLiteral(" mit ") + *akzent;
}

std::optional<QString> eigenerName(char32_t zeichen)
{
    for (const Eigenname &e : Eigennamen) {
        if (e.zeichen == zeichen)
            return e.name.toString();
    }
    if (zeichen >= U'0' && zeichen <= U'9')
        return QStringLiteral("Ziffer ") + alsText(zeichen);
    const std::optional<Tippweg> weg = Tippweg::fuer(zeichen);
    if (weg && !weg->totetaste && QChar::isLower(zeichen))
        return alsText(zeichen);
    if (const std::optional<QString> akzent = akzentname(weg))
        return akzent;
    const char32_t klein = QChar::toLower(zeichen);
    if (QChar::isUpper(zeichen) && klein != zeichen) {
        // The small letter's name is the letter itself, the capital's says it big: "großes F".
        if (const std::optional<QString> n = eigenerName(klein))
            return QStringLiteral("großes ") + (*n == alsText(klein) ? alsText(zeichen) : *n);
    }
    return std::nullopt;
}

QString kurzname(char32_t zeichen)
{
    if (zeichen == 0)
        return {};
    return eigenerName(zeichen).value_or(
        QStringLiteral("Zeichen U+%1")
            .arg(QString::number(uint(zeichen), 16).toUpper().rightJustified(4, u'0')));
}

// "linker kleiner Finger" after "mit dem": "linken kleinen Finger".
QString dativ(const QString &finger)
{
    QStringList woerter = finger.split(u' ');
    for (qsizetype i = 0; i + 1 < woerter.size(); ++i) {
        if (woerter[i].endsWith(QStringLiteral("er")))
            woerter[i].back() = u'n';
    }
    return woerter.join(u' ');
}

// The Shift key for a finger: the one of the other hand, so that one hand holds while the
// other types.
const Tastendaten &umschalttaste(Hand hand)
{
    const Tastendaten *umschalt = nullptr;
    for (const Tastendaten &t : Tastatur::Tabelle) {
        if (t.taste.feld != Tastenfeld::ShiftTaste)
            continue;
        if (Fingerfuehrung::hand(t.finger) != hand)
            return t;
        umschalt = &t;
    }
    return *umschalt;
}

const Tastendaten &altGrTaste()
{
    return Tastatur::daten(Taste{Tastenfeld::AltGrTaste});
}

// The key held for a layer. The Shift key is called "Umschalttaste rechts"; in a sentence it
// is "mit rechter Umschalttaste" (`artikel` false) or "und der rechten Umschalttaste".
QString hilfstaste(Ebene ebene, Hand hand, bool artikel)
{
    if (ebene == Ebene::Ohne)
        return {};
    if (ebene == Ebene::AltGr)
        return (artikel ? QStringLiteral("und ") : QStringLiteral("mit ")) +
               altGrTaste().ohneUmschalt.toString();
    const QStringList woerter = umschalttaste(hand).sprechname.toString().split(u' ');
    const QString seite = woerter.value(1).chopped(1);
    return artikel ? QStringLiteral("und der %1en %2").arg(seite, woerter.value(0))
                   : QStringLiteral("mit %1er %2").arg(seite, woerter.value(0));
}

QString druck(const Tastendruck &d)
{
    const Tastendaten &t = Tastatur::daten(d.taste);
    const QString finger = Fingerfuehrung::sprechname(t.finger);
    if (!t.taste.istZeichentaste())
        return t.sprechname.toString() + QStringLiteral(", ") + finger;
    const QString halten = hilfstaste(d.ebene, Fingerfuehrung::hand(t.finger), false);
    return halten.isEmpty() ? finger : finger + QStringLiteral(", ") + halten;
}

// "e mit dem linken Mittelfinger und der rechten Umschalttaste", "Leertaste mit dem Daumen"
QString druckMitDem(const Tastendruck &d)
{
    const Tastendaten &t = Tastatur::daten(d.taste);
    const QString was = istLeertaste(d) ? t.sprechname.toString() : kurzname(erstes(zeichenVon(d)));
    const QString halten = hilfstaste(d.ebene, Fingerfuehrung::hand(t.finger), true);
    return was + QStringLiteral(" mit dem ") + dativ(Fingerfuehrung::sprechname(t.finger)) +
           (halten.isEmpty() ? QString() : QLatin1Char(' ') + halten);
}

} // namespace

QString name(QStringView zeichen)
{
    const char32_t z = erstes(zeichen);
    const std::optional<Tippweg> weg = Tippweg::fuer(z);
    if (!akzentname(weg))
        return kurzname(z);
    return QStringLiteral("%1, erst %2, dann %3")
        .arg(kurzname(z), kurzname(erstes(zeichenVon(*weg->totetaste))),
             kurzname(erstes(zeichenVon(weg->taste))));
}

QString anschlag(QStringView zeichen)
{
    const std::optional<Tippweg> weg = Tippweg::fuer(erstes(zeichen));
    if (!weg)
        return {};
    if (!weg->totetaste)
        return druck(weg->taste);
    return QStringLiteral("erst ") + druckMitDem(*weg->totetaste) + QStringLiteral(", dann ") +
           druckMitDem(weg->taste);
}

QString naechstesZeichen(QStringView zeichen)
{
    const QString wie = anschlag(zeichen);
    return QStringLiteral("Nächstes Zeichen, ") + kurzname(erstes(zeichen)) +
           (wie.isEmpty() ? QString() : QStringLiteral(", ") + wie);
}

QString buchstabiert(QStringView text)
{
    QStringList namen;
    for (uint z : text.toString().normalized(QString::NormalizationForm_C).toUcs4())
        namen << kurzname(char32_t(z));
    return namen.join(QStringLiteral(", "));
}

QString falschesZeichen(QStringView erwartet, QStringView getippt)
{
    return QStringLiteral("Richtig %1, getippt %2.").arg(name(erwartet), kurzname(erstes(getippt)));
}

QString sprechbar(QStringView text)
{
    QString ergebnis;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u':':
        case u';':
        case u'(':
        case u')':
            ergebnis += u',';
            break;
        case u'\r':
        case u'\n':
            ergebnis += QStringLiteral(". ");
            break;
        case u'\'':
        case u'"':
            break;
        case u'´':
        case u'`':
        case u'^':
            ergebnis += QLatin1Char(' ') + kurzname(c.unicode()) + QLatin1Char(' ');
            break;
        default:
            ergebnis += c;
        }
    }
    // The pauses tidied: no comma before a full stop or after an opening, no doubled blanks.
    ergebnis.replace(QStringLiteral(",,"), QStringLiteral(","));
    ergebnis.replace(QStringLiteral(",."), QStringLiteral("."));
    ergebnis.replace(QStringLiteral(", ,"), QStringLiteral(","));
    return ergebnis.simplified();
}

QString tasten(QStringView tastenCode)
{
    QStringList namen;
    for (const QChar c : tastenCode) {
        const std::optional<Taste> t = Tastatur::tasteFuer(c.unicode());
        if (!t)
            continue;
        const Tastendaten &d = Tastatur::daten(*t);
        namen << (t->istZeichentaste() ? kurzname(erstes(d.ohneUmschalt))
                                       : d.sprechname.toString());
    }
    if (namen.size() < 2)
        return namen.join(QString());
    const QString letzter = namen.takeLast();
    return namen.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzter;
}

QString taste(Taste taste)
{
    const Tastendaten &t = Tastatur::daten(taste);
    const QString finger = Fingerfuehrung::sprechname(t.finger);
    QStringList ebenen;
    for (Ebene e : Ebenen) {
        const QString z = Tastatur::zeichen(t, e);
        if (z.isEmpty())
            continue;
        const QString was =
            (Tastatur::totakzent(t, e) != 0 ? QStringLiteral("Tottaste ") : QString()) +
            kurzname(erstes(z));
        const QString halten = hilfstaste(e, Fingerfuehrung::hand(t.finger), false);
        ebenen << (halten.isEmpty() ? was : halten + QLatin1Char(' ') + was);
    }
    if (finger.isEmpty() || ebenen.isEmpty())
        return finger;
    return finger + QStringLiteral(", ") + ebenen.join(QStringLiteral(", "));
}

} // namespace Zeichenansage

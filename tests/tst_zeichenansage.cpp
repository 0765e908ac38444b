// What a listener hears about the characters of the course: every character of every lesson
// line, and every other one the keyboard types, has a name and a stroke that cannot be mistaken
// by ear and that name the right finger and helper key.

#include "Sollwerte.h"
#include "keyboard/Finger.h"
#include "keyboard/Tippweg.h"
#include "keyboard/Zeichenansage.h"
#include "lessons/Kurs.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

using namespace Qt::StringLiterals;
constexpr Ebene Ebenen[] = {Ebene::Ohne, Ebene::Umschalt, Ebene::AltGr};

QString getippt(const Tastendruck &d)
{
    return d.taste.istZeichentaste() ? Tastatur::zeichen(Tastatur::daten(d.taste), d.ebene)
                                     : u" "_s;
}

// What the presses of a way leave in the input box.
QString ergebnis(const Tippweg &w)
{
    if (!w.totetaste)
        return getippt(w.taste);
    if (!w.taste.taste.istZeichentaste())
        return getippt(*w.totetaste);
    const Tastendaten &tot = Tastatur::daten(w.totetaste->taste);
    return (getippt(w.taste) + QChar(Tastatur::totakzent(tot, w.totetaste->ebene)))
        .normalized(QString::NormalizationForm_C);
}

// The lesson lines' characters (`lektionen` of them), then what else the keyboard types: every
// layer of every key, and every letter a dead key's accent composes with.
QStringList zeichensatz(qsizetype *lektionen = nullptr)
{
    QStringList alle, buchstaben;
    auto nimm = [&alle](const QString &z) {
        if (z.toUcs4().size() == 1 && !alle.contains(z))
            alle << z;
    };
    for (int l = 1; l <= Kurs::AnzahlLektionen; ++l)
        for (int n = 1; n <= Kurs::ZeilenJeLektion; ++n)
            for (uint z : Kurs::zeile(l, n).toUcs4())
                nimm(QString::fromUcs4(reinterpret_cast<const char32_t *>(&z), 1));
    if (lektionen)
        *lektionen = alle.size();
    QString akzente;
    for (const Tastendaten &t : Tastatur::Tabelle)
        for (Ebene e : Ebenen) {
            const QString z = Tastatur::zeichen(t, e);
            nimm(z);
            if (Tastatur::totakzent(t, e) != 0)
                akzente += QChar(Tastatur::totakzent(t, e));
            else if (z.size() == 1 && z[0].isLetter())
                buchstaben << z;
        }
    for (const QString &b : buchstaben)
        for (QChar a : akzente)
            nimm((b + a).normalized(QString::NormalizationForm_C));
    return alle;
}

// Words, digits, commas, full stops and hyphens inside words: any other sign a screen reader
// reads out ("Doppelpunkt") or swallows ("´").
bool nurWorte(const QString &text)
{
    static const QRegularExpression bindestrich(u"(?<=\\p{L})-(?=\\p{L})"_s);
    static const QRegularExpression zeichen(u"[^\\p{L}\\p{N} ,.]"_s);
    return !QString(text).remove(bindestrich).contains(zeichen);
}

// True when `text` names the finger of the finger table, in any case ending ("linken kleinen
// Finger" names "Linker kleiner Finger").
bool nenntFinger(const QString &text, Finger f)
{
    const QString name =
        f == Finger::Daumen ? u"Daumen"_s : Fingerfuehrung::daten(f).name.toString();
    for (QString wort : name.split(u' '))
        if (!text.contains(wort.chopped(2), Qt::CaseInsensitive))
            return false;
    return true;
}

// One stroke ("linker Zeigefinger, mit rechter Umschalttaste", "e mit dem linken Mittelfinger
// und der rechten Umschalttaste") names the key's finger and holds what the layer needs: Shift
// of the other hand, or AltGr by its caption.
void pruefeDruck(const QString &teil, const Tastendruck &d)
{
    const Finger f = Tastatur::daten(d.taste).finger;
    const QString finger = teil.section(QRegularExpression(u"(, mit | und )"_s), 0, 0);
    const QString gehalten = teil.mid(finger.size());
    QVERIFY2(nenntFinger(finger, f), qPrintable(teil));
    const QString andere =
        Fingerfuehrung::daten(f).name.startsWith(u"Link") ? u"recht"_s : u"link"_s;
    QString altGr;
    for (const Sollwerte::TastenPlatz &p : Sollwerte::tastatur())
        if (p.name == u"AltGrTaste"_s)
            altGr = p.beschriftung;
    const QString soll = d.ebene == Ebene::Ohne       ? u"^$"_s
                         : d.ebene == Ebene::Umschalt ? andere + u"\\w* Umschalttaste$"_s
                                                      : u" "_s + altGr + u"$"_s;
    QVERIFY2(gehalten.contains(QRegularExpression(soll)), qPrintable(teil));
}

} // namespace

class TstZeichenansage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jedesZeichen_data()
    {
        QTest::addColumn<QString>("zeichen");
        qsizetype lektionen = 0;
        const QStringList alle = zeichensatz(&lektionen);
        for (qsizetype i = 0; i < alle.size(); ++i)
            QTest::addRow("%s U+%04X %s", i < lektionen ? "Lektion" : "Tastatur",
                          alle[i].toUcs4().first(), qPrintable(alle[i]))
                << alle[i];
    }

    // The keyboard types it, its way leads back to it, and name and strokes say it plainly.
    void jedesZeichen()
    {
        QFETCH(QString, zeichen);
        const char32_t z = zeichen.toUcs4().first();
        const std::optional<Tippweg> weg = Tippweg::fuer(z);
        QVERIFY2(weg, "the keyboard does not type it");
        QCOMPARE(ergebnis(*weg), zeichen);
        const bool akzent = weg->totetaste && weg->taste.taste.istZeichentaste();

        const QString name = Zeichenansage::name(zeichen);
        QVERIFY2(!name.isEmpty() && !name.startsWith(u"Zeichen U+"_s), qPrintable(name));
        if (QChar::isDigit(z))
            QVERIFY2(name.contains(QRegularExpression(u"\\p{L}{2}"_s)), qPrintable(name));
        if (QChar::isUpper(z))
            QVERIFY(name != Zeichenansage::name(QString(zeichen).toLower()));
        if (akzent)
            QVERIFY2(name.contains(Zeichenansage::name(getippt(*weg->totetaste))),
                     qPrintable(name));

        const QString anschlag = Zeichenansage::anschlag(zeichen);
        for (const QString &text : {name, anschlag, Zeichenansage::naechstesZeichen(zeichen),
                                    Zeichenansage::falschesZeichen(zeichen, zeichen)})
            QVERIFY2(nurWorte(text), qPrintable(text));
        const QStringList teile = anschlag.split(u", dann "_s);
        QCOMPARE(teile.size(), weg->totetaste ? 2 : 1);
        if (weg->totetaste)
            pruefeDruck(teile.front(), *weg->totetaste);
        pruefeDruck(teile.back(), weg->taste);
    }

    // No two characters share a name, nor a name in the spelling.
    void namenVerschieden()
    {
        QHash<QString, QString> namen;
        for (const QString &z : zeichensatz())
            for (const QString &n : {Zeichenansage::name(z), Zeichenansage::buchstabiert(z)}) {
                QVERIFY2(namen.value(n, z) == z, qPrintable(n));
                namen.insert(n, z);
            }
    }

    // The forms the accessibility requirements quote.
    void gesprochen()
    {
        using enum Sollwerte::Sprechform;
        for (const Sollwerte::Gesprochen &soll : Sollwerte::gesprochen())
            QCOMPARE(soll.form == Name       ? Zeichenansage::name(soll.zeichen)
                     : soll.form == Anschlag ? Zeichenansage::anschlag(soll.zeichen)
                     : soll.form == NaechstesZeichen
                         ? Zeichenansage::naechstesZeichen(soll.zeichen)
                         : Zeichenansage::falschesZeichen(soll.zeichen, soll.getippt),
                     soll.text);
    }

    // The AltGr layer and the dead keys of a German keyboard; Shift on the circumflex key types
    // the degree sign at once.
    void altGrUndTottasten()
    {
        for (qsizetype i = 0; i + 1 < Sollwerte::AltGr.size(); i += 2) {
            const std::optional<Tippweg> weg = Tippweg::fuer(Sollwerte::AltGr[i + 1].unicode());
            QVERIFY(weg && !weg->totetaste && weg->taste.ebene == Ebene::AltGr);
            QCOMPARE(weg->taste.taste, Tastatur::tasteFuer(Sollwerte::AltGr[i].unicode()));
        }
        const auto tot = [](char32_t z) { return Tippweg::fuer(z).value().totetaste.value(); };
        QCOMPARE(tot(U'é').taste, Tastatur::tasteFuer(u'´'));
        QCOMPARE(tot(U'È').taste, Tastatur::tasteFuer(u'´'));
        QCOMPARE(tot(U'È').ebene, Ebene::Umschalt);
        QCOMPARE(tot(U'ô').taste, Tastatur::tasteFuer(u'^'));
        QVERIFY(!Tippweg::fuer(U'°').value().totetaste);
    }

    // Digits one by one; a letter and its combining accent as one character; a character the
    // keyboard lacks by its code, with no stroke.
    void buchstabieren()
    {
        QCOMPARE(Zeichenansage::buchstabiert(u"666"_s),
                 QStringList(3, Zeichenansage::name(u"6"_s)).join(u", "_s));
        QCOMPARE(Zeichenansage::buchstabiert(u"e\u0301 "_s), Zeichenansage::buchstabiert(u"é "_s));
        for (const QString &z : {u"ñ"_s, u"\U0001F600"_s}) {
            QCOMPARE(Zeichenansage::buchstabiert(z), Zeichenansage::name(z));
            QVERIFY(Zeichenansage::name(z).endsWith(QString::number(z.toUcs4().first(), 16),
                                                    Qt::CaseInsensitive));
            QCOMPARE(Zeichenansage::anschlag(z), QString());
        }
    }

    // A key button says in words what it types in each layer. That it names the finger of the
    // design first is checked on the window, where a listener hears it.
    void tasten()
    {
        for (const Tastendaten &t : Tastatur::Tabelle) {
            const QString text = Zeichenansage::taste(t.taste);
            QVERIFY2(nurWorte(text), qPrintable(text));
            for (Ebene e : Ebenen)
                if (!Tastatur::zeichen(t, e).isEmpty())
                    QVERIFY2(text.contains(Zeichenansage::buchstabiert(Tastatur::zeichen(t, e))),
                             qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(TstZeichenansage)
#include "tst_zeichenansage.moc"

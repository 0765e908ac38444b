// The lesson texts as the learner meets them: complete, typeable with the keys taught so far,
// and with the lines that the course is built around at their places.

#include "Sollwerte.h"
#include "lessons/Kurs.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

using Kurs::zeile;

QString ort(int lektion, int nr)
{
    return QStringLiteral("Lektion %1, Zeile %2").arg(lektion).arg(nr);
}

// A key's labels without and with Shift, by the character that names it in a key string.
const QHash<QChar, std::pair<QChar, QChar>> &beschriftungen()
{
    static const QHash<QChar, std::pair<QChar, QChar>> nachCode = [] {
        QHash<QString, std::pair<QChar, QChar>> nachName;
        for (const Sollwerte::Beschriftungen &z : Sollwerte::Zeichenbeschriftungen) {
            const QString ohne = QString::fromUtf16(z.ohne);
            const QString mit = QString::fromUtf16(z.mit);
            for (int i = 0; i < ohne.size(); ++i)
                nachName.insert(Sollwerte::taste(z.feld, z.erster + i), {ohne[i], mit[i]});
        }
        QHash<QChar, std::pair<QChar, QChar>> ergebnis;
        for (const Sollwerte::CodeTaste &t : Sollwerte::tastenCode())
            if (nachName.contains(t.name))
                ergebnis.insert(t.zeichen, nachName.value(t.name));
        return ergebnis;
    }();
    return nachCode;
}

// The characters of every character key named by a key string, without and with Shift.
QSet<QChar> tastenzeichen(QStringView tasten, bool mitUmschalt)
{
    QSet<QChar> zeichen;
    for (QChar c : tasten) {
        if (!beschriftungen().contains(c))
            continue;
        zeichen.insert(beschriftungen().value(c).first);
        if (mitUmschalt)
            zeichen.insert(beschriftungen().value(c).second);
    }
    return zeichen;
}

// The learnt-key string of lesson 1..30.
QString lernTasten(int lektion)
{
    return Sollwerte::Katalog[lektion - 1].gelernt;
}

// Accented letters reachable through the dead keys from the learnt vowels.
QSet<QChar> akzente(const QSet<QChar> &tasten, int lektion)
{
    struct Akzent
    {
        QChar vokal;
        const char16_t *gravisAkut; // from lesson 14, dead key ´ (with Shift: `)
        const char16_t *zirkumflex; // from lesson 19, dead key ^
    };
    static const Akzent tabelle[] = {
        {u'a', u"áàÁÀ", u"âÂ"}, {u'e', u"éèÉÈ", u"êÊ"}, {u'i', u"íìÍÌ", u"îÎ"},
        {u'o', u"óòÓÒ", u"ôÔ"}, {u'u', u"úùÚÙ", u"ûÛ"},
    };
    QSet<QChar> ergebnis;
    for (const Akzent &a : tabelle) {
        if (!tasten.contains(a.vokal))
            continue;
        if (lektion >= 14)
            for (QChar c : QString::fromUtf16(a.gravisAkut))
                ergebnis.insert(c);
        if (lektion >= 19)
            for (QChar c : QString::fromUtf16(a.zirkumflex))
                ergebnis.insert(c);
    }
    return ergebnis;
}

const QString Zeichensatz = QStringLiteral(
    " !#$%&'()*+,-./:;<=>?[]@0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    "äöüÄÖÜß§°²³µ€àáâèéêìíîôùúûÀÁÂÊÎÔÛ");

} // namespace

class TstLektionstexte : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formUndZeichensatz()
    {
        QStringList fehler;
        for (int l = 1; l <= Kurs::AnzahlLektionen; ++l) {
            for (int z = 1; z <= Kurs::ZeilenJeLektion; ++z) {
                const QString text = zeile(l, z);
                if (text.size() < 8 || text.size() > 72)
                    fehler << ort(l, z) + QStringLiteral(": %1 Zeichen").arg(text.size());
                if (text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')))
                    fehler << ort(l, z) + QStringLiteral(": Leerzeichen am Rand");
                for (qsizetype i = 0; i < text.size(); ++i) {
                    const QChar c = text[i];
                    if (!Zeichensatz.contains(c))
                        fehler << ort(l, z) + QStringLiteral(", Zeichen %1: U+%2 nicht erlaubt")
                                                  .arg(i + 1)
                                                  .arg(c.unicode(), 4, 16, QLatin1Char('0'));
                    if (c == u'@' && !(l == 26 && z == 15))
                        fehler << ort(l, z) +
                                      QStringLiteral(": @ nur in der E-Mail-Zeile von Lektion 26");
                }
            }
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        QVERIFY(zeile(0, 1).isEmpty());
        QVERIFY(zeile(31, 1).isEmpty());
        QVERIFY(zeile(1, 0).isEmpty());
        QVERIFY(zeile(1, 16).isEmpty());
        QVERIFY(zeile(26, 15).contains(u'@'));
    }

    // Lessons 1 to 19 ask only for what has been taught: the learnt keys (with Shift from lesson
    // 2 on), accents of the learnt vowels, and the few extras each lesson introduces itself.
    void nurGelernteTasten()
    {
        const char16_t *extras[20] = {};
        extras[16] = u"(";
        extras[18] = u"²µ";
        extras[19] = u"[]³";
        QString bisherigeExtras;
        QStringList fehler;
        for (int l = 1; l <= 19; ++l) {
            if (extras[l])
                bisherigeExtras += QString::fromUtf16(extras[l]);
            const QString tasten = lernTasten(l);
            QSet<QChar> erlaubt = tastenzeichen(tasten, l >= 2);
            erlaubt += akzente(tastenzeichen(tasten, false), l);
            erlaubt.insert(u' ');
            for (QChar c : bisherigeExtras)
                erlaubt.insert(c);
            for (int z = 1; z <= 15; ++z) {
                const QString text = zeile(l, z);
                for (qsizetype i = 0; i < text.size(); ++i) {
                    if (!erlaubt.contains(text[i]))
                        fehler << ort(l, z) +
                                      QStringLiteral(", Zeichen %1: \"%2\" noch nicht gelernt")
                                          .arg(i + 1)
                                          .arg(text[i]);
                }
                if (l == 1 && text != text.toLower())
                    fehler << ort(l, z) + QStringLiteral(": Lektion 1 nur klein");
            }
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // Every lesson from 3 to 19 practises each of its new keys more than once or twice.
    void neueTastenWerdenGeuebt()
    {
        QStringList fehler;
        for (int l = 3; l <= 19; ++l) {
            const QString vorher = lernTasten(l - 1);
            const QString jetzt = lernTasten(l);
            const QString neu = jetzt.mid(vorher.size());
            QString lektion;
            for (int z = 1; z <= 15; ++z)
                lektion += zeile(l, z);
            for (QChar taste : neu) {
                QSet<QChar> zeichen = tastenzeichen(QStringView(&taste, 1), true);
                if (taste == u'´')
                    zeichen = akzente(QSet<QChar>{u'a', u'e', u'i', u'o', u'u'}, 14);
                if (taste == u'^')
                    zeichen += akzente(QSet<QChar>{u'a', u'e', u'i', u'o', u'u'}, 19) -
                               akzente(QSet<QChar>{u'a', u'e', u'i', u'o', u'u'}, 14);
                int anzahl = 0;
                for (QChar c : lektion)
                    anzahl += zeichen.contains(c);
                if (anzahl < 3)
                    fehler << QStringLiteral("Lektion %1: Taste \"%2\" nur %3-mal")
                                  .arg(l)
                                  .arg(QChar(taste))
                                  .arg(anzahl);
            }
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // Keys that are easy to skim over get real practice in the lesson that brings them: many
    // strokes, spread over many lines rather than packed into one drill.
    void seltenGetippteTastenReichlichGeuebt()
    {
        struct Uebung
        {
            int lektion;
            const char16_t *zeichen;
        };
        static const Uebung uebungen[] = {
            {12, u"yY"}, {13, u"-"}, {17, u"6"}, {19, u"<"}, {19, u">"},
        };
        constexpr int MindestAnschlaege = 25;
        constexpr int MindestZeilen = 7;
        QStringList fehler;
        for (const Uebung &u : uebungen) {
            const QString zeichen = QString::fromUtf16(u.zeichen);
            int anschlaege = 0;
            int zeilen = 0;
            for (int z = 1; z <= 15; ++z) {
                int hier = 0;
                for (QChar c : zeile(u.lektion, z))
                    hier += zeichen.contains(c);
                anschlaege += hier;
                zeilen += hier > 0;
            }
            if (anschlaege < MindestAnschlaege || zeilen < MindestZeilen)
                fehler << QStringLiteral("Lektion %1: \"%2\" %3-mal in %4 Zeilen")
                              .arg(u.lektion)
                              .arg(zeichen)
                              .arg(anschlaege)
                              .arg(zeilen);
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // The lines the course is built around stand word for word at their places.
    void festeZeilenAnIhremPlatz()
    {
        for (const Sollwerte::FesteZeile &f : Sollwerte::FesteZeilen)
            QVERIFY2(zeile(f.lektion, f.zeile) == QString::fromUtf8(f.text),
                     qPrintable(ort(f.lektion, f.zeile) + QStringLiteral(": \"") +
                                zeile(f.lektion, f.zeile) + QStringLiteral("\"")));
    }

    // Lines with a job beyond practice keep it, and every address points to a reserved example
    // domain, never to a real one.
    void adressen()
    {
        for (auto [l, z] : {std::pair{21, 12}, {23, 13}, {30, 12}, {30, 15}})
            QVERIFY2(zeile(l, z).contains(QLatin1String("https://")), qPrintable(ort(l, z)));
        QCOMPARE(zeile(26, 15).count(u'@'), 2);

        static const QRegularExpression adresse(QStringLiteral("(?:https://|@)([A-Za-z0-9.-]+)"));
        const QStringList erlaubt = {QStringLiteral("fingalo.example.org"),
                                     QStringLiteral("example.org"), QStringLiteral("example.com")};
        QStringList fehler;
        int anzahl = 0;
        for (int l = 1; l <= Kurs::AnzahlLektionen; ++l) {
            for (int z = 1; z <= Kurs::ZeilenJeLektion; ++z) {
                auto treffer = adresse.globalMatch(zeile(l, z));
                while (treffer.hasNext()) {
                    const QString domain = treffer.next().captured(1);
                    ++anzahl;
                    if (!erlaubt.contains(domain))
                        fehler << ort(l, z) + QStringLiteral(": ") + domain;
                }
            }
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        QCOMPARE(anzahl, 6);
    }

    // A drill group such as "d$d" or "j(j" teaches a shifted digit-row character from the home
    // key of the finger that types it: the group's letter and the digit key share their finger.
    void umschaltzeichenVomRichtigenFinger()
    {
        QHash<QChar, int> fingerDesCodes;
        for (const Sollwerte::Fingerfuehrung &f : Sollwerte::fingerfuehrung())
            for (QChar c : f.tasten)
                fingerDesCodes.insert(c, f.finger);
        QHash<QChar, int> fingerDerZiffer; // by what the digit key types with Shift
        for (QChar ziffer : QStringLiteral("0123456789"))
            fingerDerZiffer.insert(beschriftungen().value(ziffer).second, fingerDesCodes[ziffer]);
        static const QRegularExpression gruppe(QStringLiteral("(?<!\\S)(\\w)(\\W)\\1(?!\\S)"));
        QStringList fehler;
        int geprueft = 0;
        for (int l = 1; l <= 19; ++l) {
            for (int z = 1; z <= Kurs::ZeilenJeLektion; ++z) {
                auto treffer = gruppe.globalMatch(zeile(l, z));
                while (treffer.hasNext()) {
                    const auto m = treffer.next();
                    const QChar zeichen = m.captured(2).front();
                    const QChar buchstabe = m.captured(1).front();
                    if (!fingerDerZiffer.contains(zeichen) || !fingerDesCodes.contains(buchstabe))
                        continue;
                    ++geprueft;
                    if (fingerDesCodes.value(buchstabe) != fingerDerZiffer.value(zeichen))
                        fehler << ort(l, z) + QStringLiteral(": ") + m.captured(0);
                }
            }
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        QVERIFY(geprueft > 0);
    }

    // The running texts read as texts: a song opens with the indefinite article, and a line of a
    // dialogue without a speaker goes on with the speaker of the line before it.
    void laufendeTexte()
    {
        QVERIFY2(zeile(23, 1).contains(QLatin1String("eine junge Magd")), qPrintable(zeile(23, 1)));
        for (int z = 2; z <= Kurs::ZeilenJeLektion; ++z) {
            if (!zeile(29, z).contains(QLatin1String(": ")))
                QVERIFY2(zeile(29, z - 1).startsWith(QLatin1String("Tourist: ")) ||
                             !zeile(29, z - 1).contains(QLatin1String(": ")),
                         qPrintable(ort(29, z)));
        }
    }

    // A typing course teaches spelling by example, so the lines follow German typesetting.
    void deutscheSchreibweise()
    {
        // "50 %": a blank between number and percent sign. The quoted line with "100%" keeps its
        // form; drill groups such as "f%f" hold no number.
        static const QRegularExpression prozentOhneAbstand(QStringLiteral("\\d%"));
        // "49 $", "19,90 €": the currency sign follows the amount.
        static const QRegularExpression waehrungVorDemBetrag(QStringLiteral("[$€] \\d"));
        // "Mit freundlichen Grüßen" stands without a comma; the sender follows on a line of its
        // own.
        static const QRegularExpression kommaNachDemGruss(QStringLiteral("Grüßen?,"));
        // French spellings that German does not use.
        const QStringList fremd = {QStringLiteral("Hôtel"), QStringLiteral("Dîner"),
                                   QStringLiteral("Idée"), QStringLiteral("Première"),
                                   // neither German (Negligé) nor French (négligé)
                                   QStringLiteral("Négligé")};

        QStringList fehler;
        for (int l = 1; l <= Kurs::AnzahlLektionen; ++l) {
            for (int z = 1; z <= Kurs::ZeilenJeLektion; ++z) {
                const QString text = zeile(l, z);
                if (!(l == 17 && z == 5) && text.contains(prozentOhneAbstand))
                    fehler << ort(l, z) + QStringLiteral(": kein Leerzeichen vor %");
                if (text.contains(waehrungVorDemBetrag))
                    fehler << ort(l, z) + QStringLiteral(": Währungszeichen vor dem Betrag");
                if (text.contains(kommaNachDemGruss))
                    fehler << ort(l, z) + QStringLiteral(": Komma nach dem Gruß");
                for (const QString &wort : fremd)
                    if (text.contains(wort))
                        fehler << ort(l, z) + QStringLiteral(": ") + wort;
            }
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }
};

QTEST_MAIN(TstLektionstexte)
#include "tst_lektionstexte.moc"

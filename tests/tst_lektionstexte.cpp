// The lesson texts as the learner meets them: complete, typeable with the keys taught so far,
// and with the lines that the course is built around at their places.

#include "keyboard/Tastatur.h"
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

// The characters of every character key named by a key string, without and with Shift.
QSet<QChar> tastenzeichen(QStringView tasten, bool mitUmschalt)
{
    QSet<QChar> zeichen;
    for (QChar c : tasten) {
        const std::optional<Taste> t = Tastatur::tasteFuer(c.unicode());
        if (!t || !t->istZeichentaste())
            continue;
        const Tastendaten &d = Tastatur::daten(*t);
        for (QStringView beschriftung : {d.ohneUmschalt, d.mitUmschalt}) {
            if (beschriftung == d.mitUmschalt && !mitUmschalt)
                continue;
            // Captions double the ampersand; the key types one.
            const QString b =
                beschriftung.toString().replace(QStringLiteral("&&"), QStringLiteral("&"));
            if (b.size() == 1)
                zeichen.insert(b[0]);
        }
    }
    return zeichen;
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
            const QString tasten = Kurs::lernTasten(l);
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
            const QString vorher = Kurs::lernTasten(l - 1);
            const QString jetzt = Kurs::lernTasten(l);
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

    // The lines the course is built around stand word for word at their places: lessons 1 and 2
    // entirely, and in every later lesson the line that shows its manner, oddities included.
    void festeZeilenAnIhremPlatz()
    {
        struct Fest
        {
            int lektion;
            int zeile;
            const char *text;
        };
        static const Fest feste[] = {
            {1, 1, "ffff ffff ffff ffff ffff ffff ffff ffff ffff"},
            {1, 2, "jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj"},
            {1, 3, "dddd kkkk dddd kkkk dddd kkkk dddd kkkk dddd"},
            {1, 4, "fdf jkj fdf jkj fdf jkj fdf jkj fdf jkj fdf"},
            {1, 5, "dfd kjk dfd kjk dfd kjk dfd kjk dfd kjk dfd"},
            {1, 6, "fds jkl fds jkl fds jkl fds jkl fds jkl fds"},
            {1, 7, "fsf jlj fsf jlj fsf jlj fsf jlj fsf jlj fsf"},
            {1, 8, "fdsa jklö fdsa jklö fdsa jklö fdsa jklö fdsa"},
            {1, 9, "asdf ölkj asdf ölkj asdf ölkj asdf ölkj asdf"},
            {1, 10, "fad fad las las fad fad las las fad fad las fad"},
            {1, 11, "las las als als las las als als las las las"},
            {1, 12, "all all das das all all das das all all dass dass"},
            {1, 13, "lös all das lös all das lös all das lös all das"},
            {1, 14, "das all das all lös all lös all das lös das all"},
            {1, 15, "das all ölla allö sad las alla dalla öl das all"},
            {2, 1, "Ffff Ffff Ffff Ffff Ffff Ffff Ffff Ffff"},
            {2, 2, "Jjjj Jjjj Jjjj Jjjj Jjjj Jjjj Jjjj Jjjj"},
            {2, 3, "Dddd Kkkk Dddd Kkkk Dddd Kkkk Dddd Kkkk"},
            {2, 4, "Fdf Jkj Fdf Jkj Fdf Jkj Fdf Jkj Fdf Jkj"},
            {2, 5, "Dfd Kjk Dfd Kjk Dfd Kjk Dfd Kjk Dfd Kjk"},
            {2, 6, "Fds Jkl Fds Jkl Fds Jkl Fds Jkl Fds Jkl"},
            {2, 7, "Fsf Jlj Fsf Jlj Fsf Jlj Fsf Jlj Fsf Jlj"},
            {2, 8, "Fdsa Jklö Fdsa Jklö Fdsa Jklö Fdsa Jklö"},
            {2, 9, "Asdf Ölkj Asdf Ölkj Asdf Ölkj Asdf Ölkj"},
            {2, 10, "Fad Fad Las Las Fad Fad Las Las Fad Fad"},
            {2, 11, "Las Las Als Als Las Las Als Als Las Las"},
            {2, 12, "All all Das das All all Das das All all"},
            {2, 13, "Lös all das Lös all das Lös all das Lös"},
            {2, 14, "Das all Das all Lös all Lös all das Lös"},
            {2, 15, "Das Öl Das Dallas Öl das Aas Ja das Öl"},
            {3, 2, "dfg dfg kjh kjh kjh kjh dfg dfg kjh kjh"},
            {4, 1, "fded fded aded aded jkik jkik jkik jkik"},
            {5, 3, "dfrf dfrf dfrf afrf afrf afrf dfrf afrf"},
            {5, 6, "faul flau klau klug klar darf klar frei"},
            {6, 3, "asws asws dsws dsws asws asws dsws dsws"},
            {7, 2, "kjuj kjuj kjzj kjzj ljuj ljuj ljzj ljzj"},
            {7, 6, "Herz Geiz Reiz Satz Witz Arzt Zitat oft"},
            {8, 4, "ömlmkmjm ömlmkmjm mj mk ml mö kjm klmöm"},
            {8, 6, "vor vor vom vom mal mal mir mir mit mit"},
            {9, 3, "kjmj kjnj kjmj kjnj kjmj kjnj kjmj kjnj"},
            {10, 6, "Ecke Text flexibel exakt schlecht Sucht"},
            {11, 5, "Qual Qual Qual Quiz Quiz Quiz Qual Quiz"},
            {12, 2, "löäö löäö löäö köäö köäö köäö jöäö jöäö"},
            {13, 4, "größer flößen flößten größere grüßten"},
            {13, 10, "Wo war er? Warum geht das nicht? Wie?"},
            {14, 1, "eé eé eé eé a1 a1 a1 eé dé fé gé lé té"},
            {14, 2, "q1 q1 a1 a1 w2 w2 s2 s2 aq1 sw2 aq1 sw2"},
            {15, 2, "s3s s§s s3s s§s s3s s§s s3s s§s s3s s§s"},
            {16, 4, "1000, 2000, 3000, 4000, 9000 und 10.000"},
            {17, 4, "j8j j(j j8j j(j j8j j(j j8j j(j j8j j(j"},
            {17, 5, "1/2, 2/4, 5/6, 100%, 15% für den Staat."},
            {18, 3, "19+4=23, 1+10=11, 1*1=1 und 2*2=2, 2*3=6"},
            {18, 4, "15 cm², 35 mm, 24 cm², 4000 km², 18,4 cm²"},
            {19, 1, "â ê û î ô â ê û î ô â ê û î ô â ê û î ô"},
            {19, 4, "Das Xylophon > das Ei. 10 > 2 und 1 > 0."},
            {20, 1, "Alle Tasten wurden gelernt. Fehlt nur noch Übung."},
            {21, 2, "Bitte diese Zeichen: ê € è µ §. Danke."},
            {22, 5, "Übung bedeutet, dass man täglich ein wenig schreibt."},
            {23, 8, "und redlich immer bei ihrer Dienstherrschaft."},
            {24, 9, "Känguru, kess, Tipp, Zähheit, Zierrat, Russland, Stress."},
            {24, 15, "Man schreibt nun eher klein als groß."},
            {25, 3, "ich möchte mich für deine nette Einladung herzlichst bedanken,"},
            {26, 3, "warst nie zu Hause. Ich schicke dir mal eine kleine"},
            {27, 2, "Sehr geehrte Damen und Herren,"},
            {28, 10, "Voulez-vous danser, mademoiselle?"},
            {29, 3, "I'm looking for a good hotel."},
            {29, 15, "So, jetzt kommt nur noch eine Lektion. Die Letzte. ;)"},
            {30, 2, "Nach einem kurzen Vokal kommt immer ss und nicht ß."},
        };
        for (const Fest &f : feste)
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
        QHash<QChar, Finger> fingerDerZiffer;
        for (const Tastendaten &t : Tastatur::Tabelle) {
            if (t.taste.feld == Tastenfeld::Zahlentasten)
                fingerDerZiffer.insert(t.mitUmschalt.back(), t.finger);
        }
        static const QRegularExpression gruppe(QStringLiteral("(?<!\\S)(\\w)(\\W)\\1(?!\\S)"));
        QStringList fehler;
        int geprueft = 0;
        for (int l = 1; l <= 19; ++l) {
            for (int z = 1; z <= Kurs::ZeilenJeLektion; ++z) {
                auto treffer = gruppe.globalMatch(zeile(l, z));
                while (treffer.hasNext()) {
                    const auto m = treffer.next();
                    const QChar zeichen = m.captured(2).front();
                    const auto t = Tastatur::tasteFuer(m.captured(1).front().unicode());
                    if (!fingerDerZiffer.contains(zeichen) || !t)
                        continue;
                    ++geprueft;
                    if (Tastatur::daten(*t).finger != fingerDerZiffer.value(zeichen))
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

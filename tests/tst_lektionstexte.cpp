// The lesson texts as the learner meets them: complete, typeable with the keys taught so far,
// and with the lines that the course is built around at their places.

#include "keyboard/Tastatur.h"
#include "lessons/Kurs.h"

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
            {1, 10, "fad fad las las fad fad las las fad fad las fad"},
            {1, 15, "das all ölla allö sad las alla dalla öl das all"},
            {2, 1, "Ffff Ffff Ffff Ffff Ffff Ffff Ffff Ffff"},
            {2, 15, "Das Öl Das Dallas Öl das Aas Ja das Öl"},
            {5, 3, "dfrf dfrf dfrf afrf afrf afrf dfrf afrf"},
            {7, 2, "kjuj kjuj kjzj kjzj ljuj ljuj ljzj ljzj"},
            {8, 4, "ömlmkmjm ömlmkmjm mj mk ml mö kjm klmöm"},
            {13, 4, "größer flößen flößten größere grüßten"},
            {14, 1, "eé eé eé eé a1 a1 a1 eé dé fé gé lé té"},
            {17, 4, "j8j j(j j8j j(j j8j j(j j8j j(j j8j j(j"},
            {18, 3, "19+4=23, 1+10=11, 1*1=1 und 2*2=2, 2*3=6"},
            {19, 1, "â ê û î ô â ê û î ô â ê û î ô â ê û î ô"},
            {24, 15, "Man schreibt nun eher klein als groß."},
            {29, 15, "So, jetzt kommt nur noch eine Lektion. Die Letzte. ;)"},
        };
        for (const Fest &f : feste)
            QCOMPARE(zeile(f.lektion, f.zeile), QString::fromUtf8(f.text));

        static const char *const beispiele[] = {
            nullptr,
            nullptr,
            nullptr,
            "dfg dfg kjh kjh kjh kjh dfg dfg kjh kjh",
            "fded fded aded aded jkik jkik jkik jkik",
            "faul flau klau klug klar darf klar frei",
            "asws asws dsws dsws asws asws dsws dsws",
            "Herz Geiz Reiz Satz Witz Arzt Zitat oft",
            "vor vor vom vom mal mal mir mir mit mit",
            "kjmj kjnj kjmj kjnj kjmj kjnj kjmj kjnj",
            "Ecke Text flexibel exakt schlecht Sucht",
            "Qual Qual Qual Quiz Quiz Quiz Qual Quiz",
            "löäö löäö löäö köäö köäö köäö jöäö jöäö",
            "Wo war er? Warum geht das nicht? Wie?",
            "q1 q1 a1 a1 w2 w2 s2 s2 aq1 sw2 aq1 sw2",
            "s3s s§s s3s s§s s3s s§s s3s s§s s3s s§s",
            "1000, 2000, 3000, 4000, 9000 und 10.000",
            "1/2, 2/4, 5/6, 100%, 15% für den Staat.",
            "15 cm², 35 mm, 24 cm², 4000 km², 18,4 cm²",
            "Das Xylophon > das Ei. 10 > 2 und 1 > 0.",
            "Alle Tasten wurden gelernt. Fehlt nur noch Übung.",
            "Bitte diese Zeichen: ê € è µ §. Danke.",
            "Übung bedeutet, dass man täglich ein wenig schreibt.",
            "und redlich immer bei ihrer Dienstherrschaft.",
            "Känguru, kess, Tipp, Zähheit, Zierrat, Russland, Stress.",
            "ich möchte mich für deine nette Einladung herzlichst bedanken,",
            "warst nie zu Hause. Ich schicke dir mal eine kleine",
            "Sehr geehrte Damen und Herren,",
            "Voulez-vous danser, mademoiselle?",
            "I'm looking for a good hotel.",
            "Nach einem kurzen Vokal kommt immer ss und nicht ß.",
        };
        for (int l = 3; l <= 30; ++l) {
            bool gefunden = false;
            for (int z = 1; z <= 15; ++z)
                gefunden = gefunden || zeile(l, z) == QString::fromUtf8(beispiele[l]);
            QVERIFY2(gefunden,
                     qPrintable(QStringLiteral("Lektion %1 ohne ihre Beispielzeile").arg(l)));
        }

        // Lines that carry addresses keep that role.
        for (auto [l, z] : {std::pair{21, 12}, {23, 13}, {30, 15}})
            QVERIFY2(zeile(l, z).contains(QLatin1String("https://")), qPrintable(ort(l, z)));
        QCOMPARE(zeile(26, 15).count(u'@'), 2);
    }
};

QTEST_MAIN(TstLektionstexte)
#include "tst_lektionstexte.moc"

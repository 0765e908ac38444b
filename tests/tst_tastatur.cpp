// The on-screen keyboard as the learner sees it change: each lesson's learnt keys in bold, one
// finger's keys underlined with its markers lit, and the two label sets.

#include "Bildpruefung.h"
#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "keyboard/Tastatur.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QtTest>

using Sollwerte::bgr;
using namespace Qt::StringLiterals;

namespace {

const QString Lektion19 = QStringLiteral("AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867+#<^");
const QString AlleGelernt = QStringLiteral(
    "Alle Zeichen wurden gelernt. Die weiteren Lektionen sind Übungen und fertige Zeilen. Es wäre "
    "gut diese zu wiederholen und dann immer etwas schneller zu tippen.");

struct Lektion
{
    int nummer;
    QString gelernt;    // learnt-key string
    QString erklaerung; // CR between two parts
};

// clang-format off
const Lektion Katalog[] = {
    {1, u"Aasdfjklö_"_s, u"Grundstellung: Die Daumen über der Leertaste. Linke Hand, bzw rechte Hand entsprechend auflegen. Die linke Hand beginnt mit dem kleinen Finger auf 'A' und endet mit Zeigefinger auf 'F'. Die rechte Hand entsprechend. rechte Hand Zeigefinger auf j usw."_s},
    {2, u"AasdfjklöøÞ"_s, u"Großschreibung: Wenn die linke Hand (z.B. ASDF) eine Taste groß schreiben will, dann muss die rechte Hand zuerst die Umschalttaste (rechts vom - unter der Eingabetaste) gedrückt halten. Entsprechend auf der anderen Seite (links vom Y, wenn ein rechter Buchstabe groß geschrieben werden soll)."_s},
    {3, u"AasdfjklöøÞgh"_s, u"Zusätzliche Tasten für die Zeigefinger: gh.\rMit Umschalttaste: GH."_s},
    {4, u"AasdfjklöøÞgh,.ei"_s, u"Die neuen Tasten sind: ei, aber auch Punkt und Komma."_s},
    {5, u"AasdfjklöøÞgh,.eiru"_s, u"ru RU"_s},
    {6, u"AasdfjklöøÞgh,.eiruwo"_s, u"wo WO"_s},
    {7, u"AasdfjklöøÞgh,.eiruwotz"_s, u"tz TZ"_s},
    {8, u"AasdfjklöøÞgh,.eiruwotzvm"_s, u"vm VM"_s},
    {9, u"AasdfjklöøÞgh,.eiruwotzvmbn"_s, u"bn BN"_s},
    {10, u"AasdfjklöøÞgh,.eiruwotzvmbnxc"_s, u"xc XC"_s},
    {11, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqp"_s, u"qp QP"_s},
    {12, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy"_s, u"aü ÄÜ yY"_s},
    {13, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß"_s, u"- ß"_s},
    {14, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´"_s, u"12 ! \u00B4-Akzent (mit Umschalttaste \u0060)\rUm den Akzent zu erhalten diesen zuerst anklicken und danach den Buchstaben wählen. Möglich sind die Zeichen: áà éè íì óò úù ý"_s},
    {15, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30"_s, u"30"_s},
    {16, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´3049"_s, u"49"_s},
    {17, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867"_s, u"5678 %&/()"_s},
    {18, u"AasdfjklöøÞgh,.eiruwotzvmbnxcqpäüy-ß21´30495867+#"_s, u"+* #'\r²µ[] (AltGr-Taste!)"_s},
    {19, Lektion19, u"<> ^°\rDas ^-Zeichen zuerst (loslassen), dann den Buchstaben drücken."_s},
    {20, Lektion19, AlleGelernt}, {21, Lektion19, AlleGelernt}, {22, Lektion19, AlleGelernt},
    {23, Lektion19, AlleGelernt}, {24, Lektion19, AlleGelernt}, {25, Lektion19, AlleGelernt},
    {26, Lektion19, AlleGelernt}, {27, Lektion19, AlleGelernt}, {28, Lektion19, AlleGelernt},
    {29, Lektion19, AlleGelernt}, {30, Lektion19, AlleGelernt},
};
// clang-format on

// Size, bold and underline of one key, as one comparable line.
QString aussehen(const QWidget *k)
{
    const QFont f = k->font();
    return QStringLiteral("%1: %2%3%4%5")
        .arg(k->objectName())
        .arg(f.pointSizeF())
        .arg(f.bold() ? QStringLiteral(" fett") : QString())
        .arg(f.underline() ? QStringLiteral(" unterstrichen") : QString())
        .arg(QFontInfo(f).family() == QStringLiteral("Liberation Sans") ? QString()
                                                                        : QFontInfo(f).family());
}

// The looks of all 57 coded keys: `fett` names the bold keys, `unterstrichen` the underlined
// ones, `gross` the enlarged ones.
QStringList soll(const QString &fett, const QString &unterstrichen, const QString &gross)
{
    QStringList zeilen;
    for (const Sollwerte::CodeTaste &t : Sollwerte::tastenCode()) {
        const qreal punkte = t.zeichentaste ? (gross.contains(t.zeichen) ? 18 : 12)
                                            : (gross.contains(t.zeichen) ? 10 : 8);
        zeilen << QStringLiteral("%1: %2%3%4")
                      .arg(t.name)
                      .arg(punkte)
                      .arg(fett.contains(t.zeichen) ? QStringLiteral(" fett") : QString())
                      .arg(unterstrichen.contains(t.zeichen) ? QStringLiteral(" unterstrichen")
                                                             : QString());
    }
    return zeilen;
}

} // namespace

class TstTastatur : public QObject
{
    Q_OBJECT

    static QStringList gesehen(const Hauptfensterprobe &p)
    {
        QStringList zeilen;
        for (const Sollwerte::CodeTaste &t : Sollwerte::tastenCode())
            zeilen << aussehen(p.ctrl(t.name));
        return zeilen;
    }
    static QString text(const Hauptfensterprobe &p, const char *name)
    {
        return p.ctrl<QLabel>(QString::fromUtf8(name))->text();
    }
    static void pruefeMarker(const Hauptfensterprobe &p, int rot, int gelb)
    {
        const QImage bild = p.client()->grab().toImage();
        for (int i = 0; i <= 9; ++i) {
            QWidget *m = p.ctrl(QStringLiteral("DieFinger_%1").arg(i));
            const QColor mitte = bild.pixelColor(p.platz(m->objectName()).center());
            if (i == rot || i == gelb) {
                QVERIFY(m->isVisible());
                QCOMPARE(mitte, bgr(i == rot ? 0x000000FF : 0x0000FFFF));
            } else {
                QVERIFY2(!m->isVisible(), qPrintable(m->objectName()));
                for (quint32 f : {0x000000FFu, 0x0000FFFFu, 0x00FFFF80u})
                    QVERIFY2(mitte != bgr(f), qPrintable(m->objectName()));
            }
        }
    }

private Q_SLOTS:
    // The keys without a code character (Strg, Alt, the space bar …) hold 0 there; no
    // character names them, not even the null one.
    void nullZeichenOhneTaste() { QVERIFY(!Tastatur::tasteFuer(0)); }

    void lektionen_data()
    {
        QTest::addColumn<int>("zeile");
        for (int i = 0; i < int(std::size(Katalog)); ++i)
            QTest::addRow("Lektion %d", Katalog[i].nummer) << i;
    }

    // After the whole course has been marked, each lesson leaves exactly its own keys bold.
    void lektionen()
    {
        QFETCH(int, zeile);
        const Lektion &l = Katalog[zeile];
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(19);
        p.lektion(l.nummer);
        QCOMPARE(gesehen(p), soll(l.gelernt, {}, l.gelernt));
        QCOMPARE(text(p, "Text"), QString(l.erklaerung).replace(u'\r', u'\n'));
        // The space bar and the picture keys are no learnt keys.
        for (const QString &fest : {u"LeerTaste_2: 14.25"_s, u"Command1: 18"_s, u"Command2: 18"_s,
                                    u"Command3: 18"_s, u"Command4: 18"_s})
            QCOMPARE(aussehen(p.ctrl(fest.section(u": "_s, 0, 0))), fest);
        pruefeMarker(p, -1, -1);
    }

    void finger_data()
    {
        QTest::addColumn<int>("finger");
        for (const Sollwerte::Fingerfuehrung &f : Sollwerte::fingerfuehrung())
            QTest::addRow("Finger_%d", f.finger) << f.finger;
    }

    // During lesson 1, after another finger's guide: only this finger's keys underlined and
    // enlarged, the lesson's bold kept, its two markers lit, the explanation gone.
    void finger()
    {
        QFETCH(int, finger);
        const Sollwerte::Fingerfuehrung f = Sollwerte::fingerfuehrung().at(finger);
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(1);
        QTest::mouseClick(p.ctrl(QStringLiteral("Finger_%1").arg((finger + 3) % 8)),
                          Qt::LeftButton);
        QWidget *knopf = p.ctrl(QStringLiteral("Finger_%1").arg(finger));
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(gesehen(p), soll(Katalog[0].gelernt, f.tasten, f.tasten));
        pruefeMarker(p, f.roterMarker, f.gelberMarker);
        QCOMPARE(text(p, "Text"), QString());
        QCOMPARE(QApplication::focusWidget(), knopf); // FELD does not get it back
    }

    // A lesson hides the markers and resets the sizes, but leaves the finger's underlines.
    void lektionNachFinger()
    {
        Hauptfensterprobe p;
        p.zeige();
        QTest::mouseClick(p.ctrl(QStringLiteral("Finger_0")), Qt::LeftButton);
        p.lektion(1);
        QCOMPARE(gesehen(p), soll(Katalog[0].gelernt, Sollwerte::fingerfuehrung().at(0).tasten,
                                  Katalog[0].gelernt));
        pruefeMarker(p, -1, -1);
    }

    void beschriftungen_data()
    {
        QTest::addColumn<QList<int>>("klicks");
        QTest::addColumn<bool>("umgeschaltet");
        QTest::newRow("mit") << QList<int>{1} << true;
        QTest::newRow("ohne") << QList<int>{0} << false;
        QTest::newRow("mit, ohne") << QList<int>{1, 0} << false;
        QTest::newRow("ohne, mit") << QList<int>{0, 1} << true;
        QTest::newRow("mit, mit") << QList<int>{1, 1} << true;
    }

    // The 48 character keys switch between what they type without and with Shift; nothing else
    // on the keyboard changes.
    void beschriftungen()
    {
        QFETCH(QList<int>, klicks);
        QFETCH(bool, umgeschaltet);
        struct Zeile
        {
            const char *feld;
            int erster;
            const char16_t *ohne, *mit;
        };
        // clang-format off
        const Zeile tabelle[] = {
            {"Buchstaben", 0, u"qwertzuiopüasdfghjklöäyxcvbnm", u"QWERTZUIOPÜASDFGHJKLÖÄYXCVBNM"},
            {"Zahlentasten", 0, u"0123456789", u"=!\"§$%&/()"},
            {"Zeichentaste", 0, u"ß´+,.-<#^", u"?\u0060*;:_>'°"},
        };
        // clang-format on
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(5);
        QTest::mouseClick(p.ctrl(QStringLiteral("Finger_1")), Qt::LeftButton);
        const QStringList markierung = gesehen(p);
        QStringList andere;
        for (const Sollwerte::TastenPlatz &t : Sollwerte::tastatur()) {
            if (!t.name.startsWith(QStringLiteral("Buchstaben")) &&
                !t.name.startsWith(QStringLiteral("Zahlentasten")) &&
                !t.name.startsWith(QStringLiteral("Zeichentaste")))
                andere << t.name + QStringLiteral(": ") + t.beschriftung;
        }

        for (int k : klicks)
            QTest::mouseClick(p.ctrl(QStringLiteral("ZeigeTasten_%1").arg(k)), Qt::LeftButton);

        QStringList sollTexte, gezeigt;
        for (const Zeile &z : tabelle) {
            const QString texte = QString::fromUtf16(umgeschaltet ? z.mit : z.ohne);
            for (int i = 0; i < texte.size(); ++i) {
                const QString name =
                    QStringLiteral("%1_%2").arg(QString::fromUtf8(z.feld)).arg(z.erster + i);
                QString s = texte.mid(i, 1);
                sollTexte << name + QStringLiteral(": ") + s.replace(u'&', QStringLiteral("&&"));
                gezeigt << name + QStringLiteral(": ") + p.ctrl<QAbstractButton>(name)->text();
            }
        }
        QCOMPARE(gezeigt.size(), 48);
        QCOMPARE(gezeigt, sollTexte);
        QCOMPARE(gesehen(p), markierung);
        QStringList andereJetzt;
        for (const QString &a : andere) {
            const QString name = a.section(QStringLiteral(": "), 0, 0);
            andereJetzt << name + QStringLiteral(": ") + p.ctrl<QAbstractButton>(name)->text();
        }
        QCOMPARE(andereJetzt, andere);

        // The ampersand is drawn once and is no access key.
        auto *sechs = p.ctrl<QAbstractButton>(QStringLiteral("Zahlentasten_6"));
        QVERIFY(sechs->shortcut().isEmpty());
        if (umgeschaltet) {
            const QRect r = p.platz(sechs->objectName());
            const QImage bild = p.client()->grab().toImage();
            const QRect zeichen =
                Bildpruefung::umriss(bild, r.adjusted(4, 4, -4, -4), bgr(0x00D5ECF2));
            const int breite = QFontMetrics(sechs->font()).horizontalAdvance(u'&');
            QVERIFY2(zeichen.width() <= breite + 1 && zeichen.width() >= breite / 2,
                     qPrintable(
                         QStringLiteral("%1 px for one & of %2").arg(zeichen.width()).arg(breite)));
        }
    }
};

QTEST_MAIN(TstTastatur)
#include "tst_tastatur.moc"

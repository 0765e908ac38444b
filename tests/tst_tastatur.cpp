// The on-screen keyboard as the learner sees it change: each lesson's learnt keys in bold, one
// finger's keys underlined with its markers lit, and the two label sets.

#include "Bildpruefung.h"
#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "keyboard/Tastatur.h"

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>
#include <algorithm>

using Sollwerte::bgr;
using namespace Qt::StringLiterals;

namespace {

// Size, bold and underline of one key, as one comparable line.
QString aussehen(const QWidget *k)
{
    const QFont f = k->font();
    return QStringLiteral("%1: %2%3%4%5")
        .arg(k->objectName())
        .arg(f.pointSizeF())
        .arg(f.bold() ? QStringLiteral(" fett") : QString())
        .arg(f.underline() ? QStringLiteral(" unterstrichen") : QString())
        .arg(QFontInfo(f).family() == Sollwerte::Schriftart ? QString() : QFontInfo(f).family());
}

// The looks of all 57 coded keys: `fett` names the bold keys, `unterstrichen` the underlined
// ones, `gross` the enlarged ones.
QStringList soll(const QString &fett, const QString &unterstrichen, const QString &gross)
{
    QStringList zeilen;
    for (const Sollwerte::CodeTaste &t : Sollwerte::tastenCode()) {
        using namespace Sollwerte;
        const bool g = gross.contains(t.zeichen);
        const qreal punkte = t.zeichentaste ? (g ? ZeichenpunkteMarkiert : Zeichenpunkte)
                                            : (g ? FunktionspunkteMarkiert : Funktionspunkte);
        zeilen << QStringLiteral("%1: %2%3%4")
                      .arg(t.name)
                      .arg(punkte)
                      .arg(fett.contains(t.zeichen) ? QStringLiteral(" fett") : QString())
                      .arg(unterstrichen.contains(t.zeichen) ? QStringLiteral(" unterstrichen")
                                                             : QString());
    }
    return zeilen;
}

// How many pixels of a key differ from its colour inside its edge: the ink of its caption.
int tinte(const Hauptfensterprobe &p, const QString &taste)
{
    const QImage bild = p.client()->grab().toImage();
    const QRect innen = p.platz(taste).adjusted(5, 5, -5, -5);
    return innen.width() * innen.height() -
           Bildpruefung::anzahl(bild, innen, bgr(Sollwerte::Tastenfarbe));
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
    static void pruefeMarker(const Hauptfensterprobe &p, int rot, int gelb)
    {
        const QImage bild = p.client()->grab().toImage();
        for (int i = 0; i < int(std::size(Sollwerte::Marker)); ++i) {
            QWidget *m = p.ctrl(QStringLiteral("DieFinger_%1").arg(i));
            const QColor mitte = bild.pixelColor(p.platz(m->objectName()).center());
            if (i == rot || i == gelb) {
                QVERIFY(m->isVisible());
                QCOMPARE(mitte, bgr(i == rot ? Sollwerte::MarkerRot : Sollwerte::MarkerGelb));
            } else {
                QVERIFY2(!m->isVisible(), qPrintable(m->objectName()));
                for (quint32 f :
                     {Sollwerte::MarkerRot, Sollwerte::MarkerGelb, Sollwerte::Markerfarbe})
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
        for (int i = 0; i < int(std::size(Sollwerte::Katalog)); ++i)
            QTest::addRow("Lektion %d", Sollwerte::Katalog[i].nummer) << i;
    }

    // After the whole course has been marked, each lesson leaves exactly its own keys bold.
    void lektionen()
    {
        QFETCH(int, zeile);
        const Sollwerte::Lektion &l = Sollwerte::Katalog[zeile];
        const QList<Sollwerte::CodeTaste> code = Sollwerte::tastenCode();
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(19);
        p.lektion(l.nummer);
        QCOMPARE(gesehen(p), soll(l.gelernt, {}, l.gelernt));
        QCOMPARE(p.text(u"Text"_s), QString(l.erklaerung).replace(u'\r', u'\n'));
        // The keys outside the code (the space bar, the picture keys) keep their design font.
        for (const Sollwerte::TastenPlatz &t : Sollwerte::tastatur())
            if (std::none_of(code.begin(), code.end(),
                             [&](const auto &c) { return c.name == t.name; }))
                QCOMPARE(aussehen(p.ctrl(t.name)), t.name + u": "_s + QString::number(t.punkte));
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
        QCOMPARE(gesehen(p), soll(Sollwerte::Katalog[0].gelernt, f.tasten, f.tasten));
        pruefeMarker(p, f.roterMarker, f.gelberMarker);
        QCOMPARE(p.text(u"Text"_s), QString());
        QCOMPARE(QApplication::focusWidget(), knopf); // FELD does not get it back
    }

    // The marking is drawn, not only set: a learnt key's caption in heavier strokes than the same
    // caption unlearnt, a finger's key with a line under its caption.
    void markierungGezeichnet()
    {
        Hauptfensterprobe p;
        p.zeige();
        const QString f = u"Buchstaben_14"_s; // F: learnt in lesson 1, left index finger
        const QString g = u"Buchstaben_15"_s; // G: the left index finger's, learnt in lesson 3
        const int f18 = tinte(p, f);
        p.lektion(1);
        const int fFett = tinte(p, f);
        QVERIFY2(fFett > f18 * 1.15, qPrintable(QStringLiteral("%1 to %2").arg(f18).arg(fFett)));
        const int gKlein = tinte(p, g);
        QTest::mouseClick(p.ctrl(u"Finger_0"_s), Qt::LeftButton);
        const int gUnterstrichen = tinte(p, g);
        const int gBreite = QFontMetrics(p.ctrl(g)->font()).horizontalAdvance(u'G');
        // Enlarged to 18 points and underlined: more ink than the 12-point caption by far.
        QVERIFY2(gUnterstrichen > gKlein * 2,
                 qPrintable(QStringLiteral("%1 to %2").arg(gKlein).arg(gUnterstrichen)));
        // The underline: a row of ink as wide as the caption, below it.
        const QImage bild = p.client()->grab().toImage();
        const QRect innen = p.platz(g).adjusted(5, 5, -5, -5);
        const QRect schrift = Bildpruefung::umriss(bild, innen, bgr(Sollwerte::Tastenfarbe));
        int breitesteZeile = 0;
        for (int y = schrift.bottom() - 3; y <= schrift.bottom(); ++y)
            breitesteZeile =
                qMax(breitesteZeile,
                     schrift.width() -
                         Bildpruefung::anzahl(bild, QRect(schrift.left(), y, schrift.width(), 1),
                                              bgr(Sollwerte::Tastenfarbe)));
        QVERIFY2(breitesteZeile >= gBreite * 0.8,
                 qPrintable(QStringLiteral("%1 of %2").arg(breitesteZeile).arg(gBreite)));
    }

    // A lesson hides the markers and resets the sizes, but leaves the finger's underlines.
    void lektionNachFinger()
    {
        Hauptfensterprobe p;
        p.zeige();
        QTest::mouseClick(p.ctrl(QStringLiteral("Finger_0")), Qt::LeftButton);
        p.lektion(1);
        QCOMPARE(gesehen(p),
                 soll(Sollwerte::Katalog[0].gelernt, Sollwerte::fingerfuehrung().at(0).tasten,
                      Sollwerte::Katalog[0].gelernt));
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

        for (int k : klicks) {
            QWidget *knopf = p.ctrl(QStringLiteral("ZeigeTasten_%1").arg(k));
            QTest::mouseClick(knopf, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), knopf); // FELD does not get it back
        }

        QStringList sollTexte, gezeigt;
        for (const Sollwerte::Beschriftungen &z : Sollwerte::Zeichenbeschriftungen) {
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
                Bildpruefung::umriss(bild, r.adjusted(4, 4, -4, -4), bgr(Sollwerte::Tastenfarbe));
            const int breite = QFontMetrics(sechs->font()).horizontalAdvance(u'&');
            QVERIFY2(zeichen.width() <= breite + 1 && zeichen.width() >= breite / 2,
                     qPrintable(
                         QStringLiteral("%1 px for one & of %2").arg(zeichen.width()).arg(breite)));
        }
    }
};

QTEST_MAIN(TstTastatur)
#include "tst_tastatur.moc"

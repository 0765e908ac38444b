// The on-screen keyboard: learnt keys in bold, one finger's keys underlined, the two label sets.

#include "Fakes.h"
#include "keyboard/Fingertasten.h"
#include "keyboard/TastenCode.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "main_window/Knopf.h"
#include "main_window/tippen.h"
#include "util/Formelement.h"

#include <QAction>
#include <QLabel>
#include <QShortcut>
#include <QtTest>
#include <set>

namespace {

struct Aussehen
{
    qreal punkte;
    bool fett;
    bool unterstrichen;
    friend bool operator==(const Aussehen &, const Aussehen &) = default;
};

char *toString(const Aussehen &a)
{
    return QTest::toString(
        QStringLiteral("%1 pt%2%3")
            .arg(a.punkte)
            .arg(a.fett ? QStringLiteral(" fett") : QString())
            .arg(a.unterstrichen ? QStringLiteral(" unterstrichen") : QString()));
}

} // namespace

class TstTastatur : public QObject
{
    Q_OBJECT

    std::unique_ptr<Testumgebung> u;
    std::unique_ptr<tippen> f;

    Aussehen aussehen(Taste t) const
    {
        const QFont s = f->taste(t)->font();
        return {s.pointSizeF(), s.bold(), s.underline()};
    }
    Aussehen aussehen(QChar code) const { return aussehen(*TastenCode::tasteFuer(code.unicode())); }

    // Every coded key looks `markiert` when the string names it and `sonst` otherwise.
    void pruefeAlle(QStringView namen, Aussehen zeichenMarkiert, Aussehen zeichenSonst,
                    Aussehen funktionMarkiert, Aussehen funktionSonst)
    {
        for (const TastenCodeEintrag &e : TastenCode::Tabelle) {
            const bool genannt = namen.contains(QChar(e.zeichen));
            const Aussehen soll = e.taste.istZeichentaste()
                                      ? (genannt ? zeichenMarkiert : zeichenSonst)
                                      : (genannt ? funktionMarkiert : funktionSonst);
            if (!(aussehen(e.taste) == soll))
                QFAIL(qPrintable(QStringLiteral("Taste %1: %2")
                                     .arg(QChar(e.zeichen))
                                     .arg(QString::fromLatin1(toString(aussehen(e.taste))))));
        }
    }
    void lektion(int nr) { (nr <= 10 ? f->Lektion1 : f->Lektion2)[(nr - 1) % 10]->trigger(); }
    int sichtbareMarker() const
    {
        int n = 0;
        for (auto *m : f->DieFinger)
            n += m->isVisible();
        return n;
    }

private Q_SLOTS:
    void init()
    {
        u = std::make_unique<Testumgebung>();
        f = std::make_unique<tippen>(u->umgebung());
        f->Show();
    }
    void cleanup()
    {
        f.reset();
        u.reset();
    }

    void lernTasten()
    {
        lektion(1);
        pruefeAlle(u"asdfjklö", {18, true, false}, {12, false, false}, {10, true, false},
                   {8, false, false});
        QCOMPARE(sichtbareMarker(), 0);
        QCOMPARE(f->LeerTaste[2]->font().pointSizeF(), 14.25);
        QCOMPARE(f->Command4->font().pointSizeF(), 18.0);

        lektion(2);
        pruefeAlle(u"asdfjklöøÞ", {18, true, false}, {12, false, false}, {10, true, false},
                   {8, false, false});
        lektion(1);
        pruefeAlle(u"asdfjklö", {18, true, false}, {12, false, false}, {10, true, false},
                   {8, false, false});

        lektion(19);
        QString alle;
        for (const TastenCodeEintrag &e : TastenCode::Tabelle) {
            if (e.taste.istZeichentaste())
                alle += QChar(e.zeichen);
        }
        pruefeAlle(alle + QStringLiteral("øÞ"), {18, true, false}, {12, false, false},
                   {10, true, false}, {8, false, false});
    }

    void nurKleinbuchstabenNennenTasten()
    {
        f->MarkiereLernTasten(u"Q");
        pruefeAlle(u"", {18, true, false}, {12, false, false}, {10, true, false},
                   {8, false, false});
        f->MarkiereLernTasten(u"q_ A");
        QCOMPARE(aussehen(QChar(u'q')), (Aussehen{18, true, false}));
        f->MarkiereLernTasten(u"");
        pruefeAlle(u"", {18, true, false}, {12, false, false}, {10, true, false},
                   {8, false, false});
        QCOMPARE(sichtbareMarker(), 0);
    }

    void fingerfuehrung()
    {
        f->Finger_Click(0);
        pruefeAlle(u"rtfgvb56", {18, false, true}, {12, false, false}, {10, false, true},
                   {8, false, false});
        QVERIFY(f->Text->text().isEmpty());
        QCOMPARE(sichtbareMarker(), 2);
        QCOMPARE(f->DieFinger[3]->fuellfarbe(), QColor(Qt::red));
        QCOMPARE(f->DieFinger[5]->fuellfarbe(), QColor(Qt::yellow));

        f->Finger_Click(3);
        pruefeAlle(u"12qay^<\u00F8\u00C7\u00AA\u00A9\u00A6", {18, false, true}, {12, false, false},
                   {10, false, true}, {8, false, false});
        QVERIFY(f->DieFinger[0]->isVisible() && f->DieFinger[5]->isVisible());

        f->Finger_Click(4);
        pruefeAlle(u"pöüä-ß´+#\u00DE\u00C6\u00AB\u00AC", {18, false, true}, {12, false, false},
                   {10, false, true}, {8, false, false});
        QCOMPARE(f->Command4->font().pointSizeF(), 18.0);
        QVERIFY(!f->Command4->font().underline());
        QCOMPARE(f->DieFinger[9]->fuellfarbe(), QColor(Qt::red));
        QCOMPARE(f->DieFinger[4]->fuellfarbe(), QColor(Qt::yellow));
        QCOMPARE(sichtbareMarker(), 2);

        // The same finger twice looks as once.
        f->Finger_Click(4);
        QCOMPARE(sichtbareMarker(), 2);
        QCOMPARE(aussehen(QChar(u'p')), (Aussehen{18, false, true}));
    }

    // Bold belongs to the lesson, underline to the finger; the size to whoever ran last.
    void lektionUndFingerZusammen()
    {
        lektion(1);
        f->ZeigeTasten[1]->setFocus();
        QTest::mouseClick(f->Finger[7], Qt::LeftButton);
        QCOMPARE(aussehen(QChar(u'j')), (Aussehen{18, true, true}));
        for (QChar c : QStringView(u"klöasdf"))
            QCOMPARE(aussehen(c), (Aussehen{12, true, false}));
        for (QChar c : QStringView(u"huznm78"))
            QCOMPARE(aussehen(c), (Aussehen{18, false, true}));
        QVERIFY(!f->FELD->hasFocus()); // no focus return after a finger

        lektion(2);
        QCOMPARE(sichtbareMarker(), 0);
        QCOMPARE(aussehen(QChar(u'j')), (Aussehen{18, true, true}));
        QCOMPARE(aussehen(QChar(u'h')), (Aussehen{12, false, true}));
        QCOMPARE(aussehen(QChar(u'\u00F8')), (Aussehen{10, true, false}));
    }

    void fingerTastenNennenJedeTasteGenauEinmal()
    {
        std::multiset<char16_t> genannt;
        for (const Fingerfuehrung &finger : Fingertasten::Tabelle) {
            for (char16_t c : finger.tasten) {
                QVERIFY2(TastenCode::tasteFuer(c).has_value(), qPrintable(QString(QChar(c))));
                genannt.insert(c);
            }
        }
        QCOMPARE(int(genannt.size()), TastenCode::AnzahlTasten);
        QCOMPARE(int(std::set<char16_t>(genannt.begin(), genannt.end()).size()),
                 TastenCode::AnzahlTasten);
    }

    void beschriftungen()
    {
        lektion(5);
        f->Finger_Click(1);
        const Aussehen e = aussehen(QChar(u'e'));
        f->ZeigeTasten_Click(1);
        QCOMPARE(f->Zahlentasten[0]->text(), QStringLiteral("="));
        QCOMPARE(f->Zahlentasten[2]->text(), QStringLiteral("\""));
        QCOMPARE(f->Zahlentasten[3]->text(), QStringLiteral("§"));
        QCOMPARE(f->Zahlentasten[9]->text(), QStringLiteral(")"));
        QCOMPARE(f->Zeichentaste[1]->text(), QStringLiteral("`"));
        QCOMPARE(f->Zeichentaste[7]->text(), QStringLiteral("'"));
        QCOMPARE(f->Zeichentaste[8]->text(), QStringLiteral("°"));
        QCOMPARE(f->Buchstaben[10]->text(), QStringLiteral("Ü"));
        QCOMPARE(aussehen(QChar(u'e')), e);

        // The ampersand shows once and is no access key.
        QCOMPARE(f->Zahlentasten[6]->text(), QStringLiteral("&&"));
        QVERIFY(f->Zahlentasten[6]->shortcut().isEmpty());

        QStringList einmal;
        for (auto *k : f->Buchstaben)
            einmal << k->text();
        f->ZeigeTasten_Click(1);
        QStringList zweimal;
        for (auto *k : f->Buchstaben)
            zweimal << k->text();
        QCOMPARE(zweimal, einmal);

        f->ZeigeTasten_Click(0);
        QCOMPARE(f->Zahlentasten[0]->text(), QStringLiteral("0"));
        QCOMPARE(f->Zahlentasten[6]->text(), QStringLiteral("6"));
        QCOMPARE(f->Buchstaben[0]->text(), QStringLiteral("q"));
        QCOMPARE(f->Zeichentaste[0]->text(), QStringLiteral("ß"));
        QCOMPARE(f->Strgtaste[0]->text(), QStringLiteral("Strg"));
        QCOMPARE(aussehen(QChar(u'e')), e);

        f->ZeigeTasten_Click(2);
        QCOMPARE(f->Buchstaben[0]->text(), QStringLiteral("q"));
    }
};

QTEST_MAIN(TstTastatur)
#include "tst_tastatur.moc"

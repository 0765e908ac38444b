// What a screen reader gets: every control of both windows, of the help window and of the
// message boxes, read through the accessibility interface and compared with what is drawn; the
// marking of the keys; and the news announced while a learner types a lesson.

#include "Fensterprobe.h"
#include "Sollwerte.h"
#include "app/AStart.h"
#include "help/HilfeFenster.h"
#include "lessons/Kurs.h"
#include "main_window/tippen.h"
#include "util/QtMeldungen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface *zugang(QObject *o)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    if (!i)
        qFatal("no accessible interface for %s", qPrintable(o->objectName()));
    return i;
}
QString name(QObject *o)
{
    return zugang(o)->text(QAccessible::Name);
}
QString beschreibung(QObject *o)
{
    return zugang(o)->text(QAccessible::Description);
}

// Every visible label and button in `fenster` exposes what it shows; picture buttons and the
// other controls have a name of their own. Returns what is wrong, one entry per control.
QStringList vergleicheMitAnzeige(QWidget *fenster)
{
    QStringList fehler;
    for (QWidget *w : fenster->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(fenster) || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString n = name(w);
        const QString wer =
            QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty()) {
            if (n != l->text())
                fehler << wer + QStringLiteral(": reads \"%1\", shows \"%2\"").arg(n, l->text());
        } else if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty()) {
            if (n != ohneZugriffstaste(b->text()))
                fehler << wer + QStringLiteral(": reads \"%1\", shows \"%2\"").arg(n, b->text());
        } else if (qobject_cast<QLabel *>(w)) {
            if (!n.isEmpty())
                fehler << wer + QStringLiteral(": reads \"%1\", shows nothing").arg(n);
        } else if (!w->objectName().isEmpty() && n.trimmed().isEmpty() &&
                   zugang(w)->role() != QAccessible::Pane &&
                   zugang(w)->role() != QAccessible::Notification) {
            // A pane only draws a frame around what it holds, and says nothing of its own; a
            // notification speaks through the label it holds.
            fehler << wer + QStringLiteral(": no name");
        }
    }
    return fehler;
}

// What the announcement object said each time it appeared. Offscreen, Qt raises no
// accessibility events at all (no platform bridge makes it active), so this watches the object
// appear, which is what the bridge turns into the event a screen reader speaks.
class Ansagen : public QObject
{
public:
    explicit Ansagen(QWidget *ansage) : m_ansage(ansage) { ansage->installEventFilter(this); }
    QStringList texte;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_ansage && e->type() == QEvent::Show)
            texte << name(m_ansage->findChild<QLabel *>());
        return false;
    }

private:
    QWidget *m_ansage;
};

} // namespace

class TstBarrierefreiheit : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void startfenster()
    {
        Startfensterprobe start;
        start.zeige();
        QAccessibleInterface *fenster = zugang(&start.fenster());
        QCOMPARE(fenster->role(), QAccessible::Window);
        // The window has no caption; a listener hears the application's title instead.
        QCOMPARE(fenster->text(QAccessible::Name), Sollwerte::Anwendungstitel);
        const QStringList fehler = vergleicheMitAnzeige(&start.fenster());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // The main window read at start, in a lesson, with the shifted labels and a finger chosen:
    // every text as it is shown, every key's marking as its font draws it.
    void hauptfenster()
    {
        Hauptfensterprobe p;
        p.zeige();
        QCOMPARE(zugang(&p.fenster())->role(), QAccessible::Window);
        QCOMPARE(name(&p.fenster()), p.fenster().windowTitle());
        auto pruefe = [&] {
            const QStringList fehler = vergleicheMitAnzeige(&p.fenster());
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
            static const QRegularExpression taste(QStringLiteral(
                "^(Buchstaben|Zahlentasten|Zeichentaste|ShiftTaste|Strgtaste|LockTaste|TabTaste|"
                "Rücktaste|AltGrTaste|Alttaste)"));
            for (QPushButton *k : p.fenster().findChildren<QPushButton *>()) {
                if (!taste.match(k->objectName()).hasMatch())
                    continue;
                const QFont s = k->font();
                const QString b = beschreibung(k);
                QVERIFY2(b.contains(QLatin1String("gelernt")) == s.bold(),
                         qPrintable(k->objectName() + u' ' + b));
                QVERIFY2(b.contains(QStringView(u"Taste des gewählten Fingers")) == s.underline(),
                         qPrintable(k->objectName() + u' ' + b));
            }
        };
        pruefe();
        p.lektion(2);
        p.tippe(QStringLiteral("x"));
        pruefe();
        p.ctrl<QAbstractButton>(QStringLiteral("ZeigeTasten_0"))->click();
        pruefe();
        p.ctrl<QAbstractButton>(QStringLiteral("Finger_3"))->click();
        p.ctrl<QAbstractButton>(QStringLiteral("ZeigeTasten_1"))->click();
        pruefe();
        // The two lit markers say that they are lit, each in words of its own.
        const Sollwerte::Fingerfuehrung f = Sollwerte::fingerfuehrung().at(3);
        const QString rot = beschreibung(p.ctrl(QStringLiteral("DieFinger_%1").arg(f.roterMarker)));
        const QString gelb =
            beschreibung(p.ctrl(QStringLiteral("DieFinger_%1").arg(f.gelberMarker)));
        QVERIFY2(!rot.isEmpty() && !gelb.isEmpty() && rot != gelb, qPrintable(rot + u'/' + gelb));
    }

    // Every key of the on-screen keyboard names the finger that types it in its description, in
    // the words the finger's own button begins its description with; keys no finger types name
    // none. Picture keys are called by names of their own, no two alike.
    void tastenNennenIhrenFinger()
    {
        Hauptfensterprobe p;
        QHash<QString, QString> fingerDerTaste;
        QStringList fingernamen;
        for (const Sollwerte::Fingerfuehrung &f : Sollwerte::fingerfuehrung()) {
            const QString knopf = beschreibung(p.ctrl(QStringLiteral("Finger_%1").arg(f.finger)));
            const QString finger = knopf.section(u',', 0, 0);
            QVERIFY2(!finger.isEmpty() && !fingernamen.contains(finger), qPrintable(knopf));
            fingernamen << finger;
            for (QChar c : f.tasten)
                for (const Sollwerte::CodeTaste &t : Sollwerte::tastenCode())
                    if (t.zeichen == c)
                        fingerDerTaste.insert(t.name, finger);
        }
        QCOMPARE(fingerDerTaste.size(), 57);
        QStringList bildnamen;
        for (const Sollwerte::TastenPlatz &t : Sollwerte::tastatur()) {
            const QString gehoert = beschreibung(p.ctrl(t.name));
            const QString finger = fingerDerTaste.value(t.name);
            for (const QString &n : std::as_const(fingernamen))
                QVERIFY2(gehoert.contains(n) == (n == finger), qPrintable(t.name + u' ' + gehoert));
            if (t.bild != Sollwerte::Bild::Keins) {
                const QString n = name(p.ctrl(t.name));
                QVERIFY2(!n.isEmpty() && !bildnamen.contains(n), qPrintable(t.name));
                bildnamen << n;
            }
        }
    }

    // With the focus in FELD a listener reads the line to type and where the lesson stands.
    // The news of each step is announced by an object of the notification role, the most
    // important part first: at a lesson choice the lesson and its first line, at a new line that
    // line before the progress, at the end the lines done, the errors and what to do next, with
    // the focus on the text that says so.
    void eineLektionZumZuhoeren()
    {
        Hauptfensterprobe p;
        p.zeige();
        QWidget *ansage = p.fenster().findChild<QWidget *>(u"Ansage"_s);
        QVERIFY(ansage);
        QCOMPARE(zugang(ansage)->role(), QAccessible::Notification);
        QVERIFY(beschreibung(p.feld()).startsWith(Sollwerte::Anleitung));

        Ansagen aufnahme(ansage);
        p.lektion(1);
        const QString eins = Kurs::zeile(1, 1);
        QVERIFY(beschreibung(p.feld()).startsWith(eins));
        QCOMPARE(aufnahme.texte.size(), 1);
        const QString gewaehlt = aufnahme.texte[0];
        QVERIFY2(gewaehlt.contains(u"1") && gewaehlt.indexOf(eins) > 0, qPrintable(gewaehlt));
        // The explanation's first words come after the line.
        const QString erklaerung = Sollwerte::Katalog[0].erklaerung.section(u' ', 1, 3);
        QVERIFY2(gewaehlt.indexOf(erklaerung) > gewaehlt.indexOf(eins), qPrintable(gewaehlt));

        for (int z = 1; z <= 14; ++z)
            p.tippe(Kurs::zeile(1, z));
        QCOMPARE(aufnahme.texte.size(), 15);
        for (int z = 2; z <= 15; ++z) {
            const QString neu = aufnahme.texte[z - 1];
            const QString fortschritt = QStringLiteral("%1 von 15").arg(z - 1);
            QVERIFY2(neu.indexOf(Kurs::zeile(1, z)) >= 0 &&
                         neu.indexOf(Kurs::zeile(1, z)) < neu.lastIndexOf(fortschritt),
                     qPrintable(neu));
        }
        // After the line, the box says where the lesson stands: line 15.
        const QString stand = beschreibung(p.feld()).section(Kurs::zeile(1, 15), 1);
        QVERIFY2(stand.contains(u"15"), qPrintable(stand));
        p.tippe(u"x"_s);
        p.tippe(Kurs::zeile(1, 15));
        const QString ende = aufnahme.texte.last();
        QVERIFY2(ende.contains(u"15 von 15") && ende.contains(u"1 Fehler") &&
                     ende.contains(u"Lektionen"),
                 qPrintable(ende));
        QVERIFY(!zugang(p.feld())->state().editable);
        QWidget *fokus = QApplication::focusWidget();
        QVERIFY(fokus && fokus != p.feld());
        QCOMPARE(name(fokus), QString(Sollwerte::NeueLektion).replace(u'\r', u'\n'));
        QVERIFY2(beschreibung(fokus).contains(u"Lektionen"), qPrintable(beschreibung(fokus)));
    }

    // Stepping back says the line stepped back to, and nothing of the progress; resetting the
    // count says so; a finger button names the finger and its keys. None of it goes unsaid.
    void keineStummeHandlung()
    {
        Hauptfensterprobe p;
        p.zeige();
        Ansagen aufnahme(p.fenster().findChild<QWidget *>(u"Ansage"_s));
        p.lektion(1);
        p.tippe(Kurs::zeile(1, 1));
        p.ctrl<QAbstractButton>(u"Wiederholen"_s)->click();
        QVERIFY(aufnahme.texte.last().contains(Kurs::zeile(1, 1)));
        QVERIFY(!aufnahme.texte.last().contains(u"von 15"));
        const qsizetype vorher = aufnahme.texte.size();
        p.ctrl<QAbstractButton>(u"FehlerTaste"_s)->click();
        QCOMPARE(aufnahme.texte.size(), vorher + 1);
        for (const Sollwerte::Fingerfuehrung &f : Sollwerte::fingerfuehrung()) {
            auto *knopf = p.ctrl<QAbstractButton>(QStringLiteral("Finger_%1").arg(f.finger));
            knopf->click();
            const QString finger = beschreibung(knopf).section(u',', 0, 0);
            QVERIFY2(aufnahme.texte.last().startsWith(finger), qPrintable(aufnahme.texte.last()));
        }
        // A letter made with a dead key is said when it lands, by its name without the way to
        // type it; a plain key is echoed by the screen reader itself.
        p.lektion(14);
        const qsizetype gewaehlt = aufnahme.texte.size();
        p.tippe(u"e"_s);
        QCOMPARE(aufnahme.texte.size(), gewaehlt);
        p.tippe(u"é"_s);
        QCOMPARE(aufnahme.texte.size(), gewaehlt + 1);
        for (const Sollwerte::Gesprochen &g : Sollwerte::gesprochen())
            if (g.form == Sollwerte::Sprechform::Name && g.zeichen == u"é")
                QVERIFY2(aufnahme.texte.last().startsWith(g.text.section(u',', 0, 0)),
                         qPrintable(aufnahme.texte.last()));
    }

    // Keys that type nothing speak instead: the next character with its finger, the rest of the
    // line spelled, the lesson's explanation, where the lesson stands. They reach neither the box
    // nor the exercise, also at the warning length.
    void sprechtasten()
    {
        Hauptfensterprobe p;
        p.zeige();
        QTRY_VERIFY(p.feld()->hasFocus());
        Ansagen aufnahme(p.fenster().findChild<QWidget *>(u"Ansage"_s));
        p.tippe(Sollwerte::Anleitung.left(Sollwerte::Warnlaenge));
        p.umgebung.meldungen.eintraege.clear();
        QWindow *fenster = p.fenster().windowHandle();
        for (Qt::Key taste : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
            QTest::keyClick(fenster, taste);
        QTRY_COMPARE(aufnahme.texte.size(), 4);
        QVERIFY(p.umgebung.meldungen.eintraege.isEmpty());
        QCOMPARE(p.feld()->text(), Sollwerte::Anleitung.left(Sollwerte::Warnlaenge));

        p.lektion(2);
        aufnahme.texte.clear();
        QTest::keyClick(fenster, Qt::Key_F5);
        QTest::keyClick(fenster, Qt::Key_F6);
        QTRY_COMPARE(aufnahme.texte.size(), 2);
        for (const Sollwerte::Gesprochen &g : Sollwerte::gesprochen()) {
            if (g.form == Sollwerte::Sprechform::NaechstesZeichen && g.zeichen == u"F")
                QVERIFY2(aufnahme.texte[0].startsWith(g.text), qPrintable(aufnahme.texte[0]));
            if (g.form == Sollwerte::Sprechform::Name && g.zeichen == u"F")
                QVERIFY2(aufnahme.texte[1].contains(g.text), qPrintable(aufnahme.texte[1]));
        }
        // The rest is the rest: after "Ff" one capital less is left to spell.
        p.tippe(u"Ff"_s);
        QTest::keyClick(fenster, Qt::Key_F6);
        QTRY_COMPARE(aufnahme.texte.size(), 3);
        QCOMPARE(aufnahme.texte[2].count(u"großes"), aufnahme.texte[1].count(u"großes") - 1);
        QCOMPARE(p.feld()->text(), u"Ff"_s);
    }

    // A wrong character: a screen reader first hears the expected character in words, then the
    // typed one.
    void falschesZeichenInWorten()
    {
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(1);
        p.tippe(u"ffff"_s);
        p.tippe(u"x"_s);
        QCOMPARE(p.umgebung.meldungen.eintraege.size(), 1);
        const auto &m = p.umgebung.meldungen.eintraege[0];
        for (const Sollwerte::Gesprochen &g : Sollwerte::gesprochen()) {
            if (g.form == Sollwerte::Sprechform::FalschesZeichen)
                QCOMPARE(m.gesprochen, g.text);
        }
    }

    // The exercise line can be read by character and word, as the line to type stands.
    void zeileZumBuchstabieren()
    {
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(2);
        QWidget *zeile = p.ctrl(u"TextFeld"_s);
        QAccessibleTextInterface *text = zugang(zeile)->textInterface();
        QVERIFY(text);
        const QString soll = Kurs::zeile(2, 1);
        QCOMPARE(text->text(0, -1), soll);
        QCOMPARE(name(zeile), soll);
        int anfang = 0, ende = 0;
        QCOMPARE(text->textAtOffset(0, QAccessible::CharBoundary, &anfang, &ende), soll.left(1));
        QCOMPARE(text->textAtOffset(1, QAccessible::WordBoundary, &anfang, &ende),
                 soll.section(u' ', 0, 0));
        QCOMPARE(text->textAtOffset(3, QAccessible::LineBoundary, &anfang, &ende), soll);
        // The characters' places lie on the drawn line, left to right.
        const QRect erstes = text->characterRect(0);
        const QRect zweites = text->characterRect(1);
        QVERIFY(erstes.isValid() && zweites.left() >= erstes.right());
        QVERIFY(QRect(zeile->mapToGlobal(QPoint(0, 0)), zeile->size()).contains(erstes));
    }

    // The real message box is an alert that says its text, and the help window a dialog.
    void meldungUndHilfe()
    {
        QString gelesen;
        QAccessible::Role rolle = QAccessible::NoRole;
        const QString &text = Sollwerte::Erklaerung[21];
        mitModalemFenster(
            [&] {
                QtMeldungen().zeige(text, Sollwerte::Anwendungstitel, Meldungen::Symbol::Keins);
            },
            [&](QWidget *fenster) {
                auto *box = qobject_cast<QMessageBox *>(fenster);
                QVERIFY(box);
                rolle = zugang(box)->role();
                for (QLabel *l : box->findChildren<QLabel *>())
                    gelesen += name(l);
                box->button(QMessageBox::Ok)->click();
            });
        QCOMPARE(rolle, QAccessible::AlertMessage);
        QVERIFY(gelesen.contains(text));

        HilfeFenster hilfe(1);
        hilfe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hilfe));
        QCOMPARE(zugang(&hilfe)->role(), QAccessible::Dialog);
        QCOMPARE(name(&hilfe), hilfe.windowTitle());
        const QStringList fehler = vergleicheMitAnzeige(&hilfe);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // A screen reader asks the box for characters, words and the line around an offset while the
    // learner types; every question is answered, also at the end of the text and on a blank.
    void textDerEingabe_data()
    {
        QTest::addColumn<QString>("text"); // typed against the instruction; none: the prompt
        QTest::addColumn<int>("stelle");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<int>("richtung"); // -1 before, 0 at, 1 after
        QTest::addColumn<QString>("erwartet");
        const int wort = QAccessible::WordBoundary;
        const int zeichen = QAccessible::CharBoundary;
        const int zeile = QAccessible::LineBoundary;
        const QString t = QStringLiteral("Was hi");
        // clang-format off
        QTest::newRow("Wort am Ende")          << t << 6 << wort << 0 << QStringLiteral("hi");
        QTest::newRow("Wort vor dem Ende")     << t << 6 << wort << -1 << QStringLiteral(" ");
        QTest::newRow("Wort nach dem Ende")    << t << 6 << wort << 1 << QString();
        QTest::newRow("Wort vor dem Cursor")   << t << -2 << wort << -1 << QStringLiteral(" ");
        QTest::newRow("Wort nach dem Cursor")  << t << -2 << wort << 1 << QString();
        QTest::newRow("vor dem ersten Wort")   << t << 2 << wort << -1 << QString();
        QTest::newRow("erstes Zeichen davor")  << t << 1 << zeichen << -1 << QStringLiteral("W");
        QTest::newRow("Wort am Cursor")        << t << -2 << wort << 0 << QStringLiteral("hi");
        QTest::newRow("Zeichen in der Mitte")  << t << 1 << zeichen << 0 << QStringLiteral("a");
        QTest::newRow("Zeichen vor dem Text")  << t << -1 << zeichen << 0 << QString();
        QTest::newRow("Wort vor dem Text")     << t << -1 << wort << 0 << QString();
        QTest::newRow("Wort hinter dem Text")  << t << 7 << wort << 0 << QString();
        QTest::newRow("Wort am Anfang")        << t << 0 << wort << 0 << QStringLiteral("Was");
        QTest::newRow("Wort nach dem Anfang")  << t << 0 << wort << 1 << QStringLiteral(" ");
        QTest::newRow("Leerzeichen vorn")      << QString() << 0 << wort << 0 << QStringLiteral(" ");
        QTest::newRow("nach dem Leerzeichen")  << QString() << 0 << wort << 1 << QStringLiteral("Lektion");
        QTest::newRow("Zeichen am Ende")       << t << 6 << zeichen << 0 << QString();
        QTest::newRow("Zeichen vor dem Ende")  << t << 6 << zeichen << -1 << QStringLiteral("i");
        QTest::newRow("Zeile")                 << t << 3 << zeile << 0 << t;
        QTest::newRow("Zeile leer")            << QStringLiteral("x") << 0 << zeile << 0 << QString();
        // clang-format on
    }
    void textDerEingabe()
    {
        QFETCH(QString, text);
        QFETCH(int, stelle);
        QFETCH(int, grenze);
        QFETCH(int, richtung);
        QFETCH(QString, erwartet);
        Hauptfensterprobe p;
        p.zeige();
        p.tippe(text);
        QAccessibleTextInterface *t = zugang(p.feld())->textInterface();
        QVERIFY(t);
        int anfang = -1;
        int ende = -1;
        const auto art = QAccessible::TextBoundaryType(grenze);
        const QString gelesen = richtung < 0   ? t->textBeforeOffset(stelle, art, &anfang, &ende)
                                : richtung > 0 ? t->textAfterOffset(stelle, art, &anfang, &ende)
                                               : t->textAtOffset(stelle, art, &anfang, &ende);
        QCOMPARE(gelesen, erwartet);
        if (!erwartet.isEmpty()) {
            QCOMPARE(t->text(anfang, ende), erwartet);
        } else { // no piece, and no place of one
            QCOMPARE(anfang, -1);
            QCOMPARE(ende, -1);
        }
    }

    // Between two lines the box is empty: a reader asking for text, pieces or character places
    // gets nothing, and no error.
    void eingabeLeerUndGesperrt()
    {
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(2);
        QAccessibleInterface *feld = zugang(p.feld());
        QAccessibleTextInterface *t = feld->textInterface();
        QVERIFY(feld->state().editable);
        p.tippe(Kurs::zeile(2, 1).left(3));
        QCOMPARE(t->text(1, -1), Kurs::zeile(2, 1).mid(1, 2));
        QCOMPARE(t->text(2, 0), QString()); // an end before the start
        // Its text can be read piece by piece, nothing in it is selected, and one run of
        // attributes covers all of it.
        QVERIFY(feld->state().selectableText);
        QCOMPARE(t->selectionCount(), 0);
        int von = -1;
        int bis = -1;
        t->selection(0, &von, &bis);
        QCOMPARE(std::pair(von, bis), std::pair(0, 0));
        QCOMPARE(t->attributes(1, &von, &bis), QString());
        QCOMPARE(std::pair(von, bis), std::pair(0, 3));
        p.tippe(Kurs::zeile(2, 1).mid(3));
        QCOMPARE(p.feld()->text(), QString());

        int anfang = 0;
        int ende = 0;
        for (const auto grenze :
             {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::LineBoundary}) {
            QCOMPARE(t->textAtOffset(0, grenze, &anfang, &ende), QString());
            QCOMPARE(t->textBeforeOffset(0, grenze, &anfang, &ende), QString());
            QCOMPARE(t->textAfterOffset(0, grenze, &anfang, &ende), QString());
        }
        QCOMPARE(t->characterRect(0), QRect());
        QCOMPARE(t->characterCount(), 0);
    }

    // The places a reader is given for the characters cover the red letters drawn in the box,
    // left to right without overlap; before and after the text there is none.
    void zeichenorte()
    {
        Hauptfensterprobe p;
        p.zeige();
        p.lektion(2);
        p.tippe(Kurs::zeile(2, 1).left(4)); // four letters, no blank
        QAccessibleTextInterface *t = zugang(p.feld())->textInterface();

        const QImage bild = p.feld()->grab().toImage();
        const qreal dpr = bild.devicePixelRatio();
        int links = bild.width();
        int rechts = -1;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 110 && c.blue() < 110) {
                    links = qMin(links, x);
                    rechts = qMax(rechts, x);
                }
            }
        QVERIFY(rechts > links);
        const int ursprung = p.feld()->mapToGlobal(QPoint(0, 0)).x();
        const int tinteLinks = int(links / dpr);
        const int tinteRechts = int(rechts / dpr);

        QList<QRect> orte;
        for (int i = 0; i < 4; ++i)
            orte << t->characterRect(i);
        const auto meldung = [&] {
            QStringList teile;
            for (const QRect &o : orte)
                teile << QStringLiteral("%1+%2").arg(o.left() - ursprung).arg(o.width());
            return QStringLiteral("ink %1..%2, places %3")
                .arg(tinteLinks)
                .arg(tinteRechts)
                .arg(teile.join(u' '));
        };
        QVERIFY2(orte.first().left() - ursprung <= tinteLinks, qPrintable(meldung()));
        QVERIFY2(orte.first().left() - ursprung >= tinteLinks - 3, qPrintable(meldung()));
        QVERIFY2(orte.last().right() - ursprung >= tinteRechts - 1, qPrintable(meldung()));
        QVERIFY2(orte.last().right() - ursprung <= tinteRechts + 4, qPrintable(meldung()));
        for (int i = 1; i < 4; ++i)
            QVERIFY2(orte[i].left() == orte[i - 1].left() + orte[i - 1].width(),
                     qPrintable(meldung()));
        const QRect box(p.feld()->mapToGlobal(QPoint(0, 0)), p.feld()->size());
        QVERIFY(box.contains(orte.first()) && box.contains(orte.last()));
        QCOMPARE(t->characterRect(4), QRect());
        QCOMPARE(t->characterRect(-1), QRect());
    }
};

QTEST_MAIN(TstBarrierefreiheit)
#include "tst_barrierefreiheit.moc"

// The main window in its design state: every control where it belongs, looking as it should.

#include "Fakes.h"
#include "main_window/Eingabefeld.h"
#include "main_window/KlickLabel.h"
#include "main_window/Knopf.h"
#include "main_window/tippen.h"
#include "util/Formelement.h"
#include "util/SvgBild.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {

struct Erwartung
{
    const char *name;
    QRect platz;
    const char *text;
    const char *tooltip;
    qreal punkte;
    bool fett;
    QRgb hintergrund; // 0: not sampled
};

QColor farbeIn(const QImage &bild, QPoint p)
{
    return bild.pixelColor(p);
}

} // namespace

class TstHauptfensterLayout : public QObject
{
    Q_OBJECT

    Testumgebung umgebung;
    std::unique_ptr<tippen> fenster;
    QImage bild;

    template <typename T = QWidget> T *ctrl(const char *name)
    {
        auto *w = fenster->client()->findChild<T *>(QString::fromUtf8(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        fenster = std::make_unique<tippen>(umgebung.umgebung());
        fenster->Show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        bild = fenster->client()->grab().toImage();
    }

    void steuerelemente_data()
    {
        QTest::addColumn<int>("zeile");
        static const Erwartung tabelle[] = {
            {"MeinText", {16, 40, 841, 33}, "_", "", 14.25, false, 0},
            {"Bezeichnung1_0", {120, 77, 89, 17}, "linke Hand", "", 12, false, 0},
            {"Bezeichnung1_1", {664, 77, 113, 17}, "rechte Hand", "", 12, false, 0},
            {"Bezeichnung1_2", {352, 80, 217, 17}, "Die aktiven Finger", "", 12, false, 0},
            {"Finger_3",
             {24, 96, 67, 53},
             "Kleiner",
             "  was macht der kleine Finger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"Finger_2",
             {96, 96, 67, 53},
             "Ring",
             "  was macht der Ringfinger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"Finger_1",
             {168, 96, 67, 53},
             "Mittel",
             "  was macht der Mittelfinger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"Finger_0",
             {240, 96, 67, 53},
             "Zeige",
             "  was macht der Zeigefinger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"Finger_7",
             {576, 96, 67, 53},
             "Zeige",
             "  was macht der Zeigefinger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"Finger_6",
             {648, 96, 67, 53},
             "Mittel",
             "  was macht der Mittelfinger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"Finger_5",
             {720, 96, 67, 53},
             "Ring",
             "  was macht der Ringfinger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"Finger_4",
             {792, 96, 67, 53},
             "Kleiner",
             "  was macht der kleine Finger.  ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"ZeigeTasten_0",
             {24, 152, 193, 41},
             "ohne Umschalttaste",
             " ohne Umschalttaste ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"ZeigeTasten_1",
             {24, 192, 193, 41},
             "mit Umschalttaste",
             " mit Umschalttaste ",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xC0)},
            {"EndE",
             {224, 152, 121, 41},
             "&ENDE",
             "  Programm verlassen.  ",
             9.75,
             true,
             qRgb(0xFF, 0xC0, 0xC0)},
            {"FehlerTaste",
             {224, 192, 121, 41},
             "Fehler &0",
             "  Fehler wieder auf 0 stellen.  ",
             12,
             false,
             qRgb(0xC0, 0xC0, 0xFF)},
            {"Wiederholen",
             {576, 152, 281, 41},
             "&Wiederholen",
             "Beendete Lektion wiederholen.",
             12,
             false,
             qRgb(0xC0, 0xFF, 0xFF)},
            {"FelD2",
             {576, 197, 281, 39},
             "Lektion",
             "  Lektion / Zeile  ",
             20.25,
             false,
             qRgb(0xFF, 0xFF, 0x80)},
            {"Text", {24, 584, 833, 93}, "TEXT ZUR LEKTION", "", 12, false, qRgb(0xE0, 0xE0, 0xE0)},
            {"Command4",
             {784, 344, 65, 109},
             "",
             " Die Eingabetaste: Enter ",
             18,
             false,
             qRgb(0xF2, 0xEC, 0xD5)},
            {"Rücktaste", {760, 288, 89, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"TabTaste", {32, 344, 69, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"LockTaste", {32, 400, 76, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"ShiftTaste_0", {32, 456, 52, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"ShiftTaste_1", {704, 456, 145, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"Strgtaste_0", {32, 512, 85, 53}, "Strg", "", 14.25, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"Command1", {120, 512, 53, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"Alttaste", {176, 512, 53, 53}, "Alt", "", 14.25, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"LeerTaste_2", {232, 512, 332, 53}, "leer", "", 14.25, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"AltGrTaste", {568, 512, 61, 53}, "Alt Gr", "", 14.25, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"Command2", {632, 512, 61, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"Command3", {696, 512, 69, 53}, "", "", 18, false, qRgb(0xF2, 0xEC, 0xD5)},
            {"Strgtaste_1", {768, 512, 80, 53}, "Strg", "", 14.25, false, qRgb(0xF2, 0xEC, 0xD5)},
        };
        for (int i = 0; i < int(std::size(tabelle)); ++i)
            QTest::newRow(tabelle[i].name) << i;
        m_tabelle = tabelle;
    }

    void steuerelemente()
    {
        QFETCH(int, zeile);
        const Erwartung &e = m_tabelle[zeile];
        QWidget *w = ctrl(e.name);
        QCOMPARE(w->geometry(), e.platz);
        QVERIFY(w->isVisible());
        QCOMPARE(w->font().pointSizeF(), e.punkte);
        QCOMPARE(w->font().bold(), e.fett);
        QCOMPARE(w->toolTip(), QString::fromUtf8(e.tooltip));
        QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("Liberation Sans"));
        if (auto *l = qobject_cast<QLabel *>(w))
            QCOMPARE(l->text(), QString::fromUtf8(e.text));
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            QCOMPARE(b->text(), QString::fromUtf8(e.text));
            const QByteArray n(e.name);
            const bool zeigehand = n.startsWith("Finger") || n.startsWith("ZeigeTasten") ||
                                   n == "EndE" || n == "FehlerTaste" || n == "Wiederholen";
            QCOMPARE(b->cursor().shape(), zeigehand ? Qt::BitmapCursor : Qt::ArrowCursor);
        }
        if (e.hintergrund)
            QCOMPARE(farbeIn(bild, w->geometry().topLeft() + QPoint(5, 5)).rgb(), e.hintergrund);
    }

    // Character keys: five rows on a 56 px pitch, each array index where the key index scheme puts
    // it.
    void zeichentasten()
    {
        auto pruefe = [&](const QString &name, int links, int oben, const QString &text) {
            auto *k = fenster->client()->findChild<QPushButton *>(name);
            QVERIFY2(k, qPrintable(name));
            QCOMPARE(k->geometry(), QRect(links, oben, 53, 53));
            QCOMPARE(k->text(), text);
            QCOMPARE(k->font().pointSizeF(), 18.0);
            QVERIFY(!k->font().bold());
            QCOMPARE(k->cursor().shape(), Qt::ArrowCursor);
        };
        const QString buchstaben = QStringLiteral("QWERTZUIOPÜASDFGHJKLÖÄYXCVBNM");
        for (int i = 0; i <= 10; ++i)
            pruefe(QStringLiteral("Buchstaben_%1").arg(i), 104 + 56 * i, 344, buchstaben.mid(i, 1));
        for (int i = 11; i <= 21; ++i)
            pruefe(QStringLiteral("Buchstaben_%1").arg(i), 112 + 56 * (i - 11), 400,
                   buchstaben.mid(i, 1));
        for (int i = 22; i <= 28; ++i)
            pruefe(QStringLiteral("Buchstaben_%1").arg(i), 144 + 56 * (i - 22), 456,
                   buchstaben.mid(i, 1));
        for (int d = 1; d <= 9; ++d)
            pruefe(QStringLiteral("Zahlentasten_%1").arg(d), 88 + 56 * (d - 1), 288,
                   QString::number(d));
        pruefe(QStringLiteral("Zahlentasten_0"), 592, 288, QStringLiteral("0"));
        const struct
        {
            int index, links, oben;
            const char16_t *text;
        } zeichen[] = {{0, 648, 288, u"ß"}, {1, 704, 288, u"´"}, {2, 720, 344, u"+"},
                       {3, 536, 456, u","}, {4, 592, 456, u"."}, {5, 648, 456, u"-"},
                       {6, 88, 456, u"<"},  {7, 728, 400, u"#"}, {8, 32, 288, u"^"}};
        for (const auto &z : zeichen)
            pruefe(QStringLiteral("Zeichentaste_%1").arg(z.index), z.links, z.oben,
                   QString::fromUtf16(z.text));
        // The arrays themselves are indexed the same way.
        QCOMPARE(fenster->Buchstaben[11]->objectName(), QStringLiteral("Buchstaben_11"));
        QCOMPARE(fenster->LeerTaste[2]->text(), QStringLiteral("leer"));
        QCOMPARE(fenster->Zeichentaste[8]->text(), QStringLiteral("^"));
    }

    void enterTasteUeberlapptKeineAndere()
    {
        const QRect enter = fenster->Command4->geometry();
        for (auto *k : fenster->client()->findChildren<QPushButton *>()) {
            if (k != fenster->Command4)
                QVERIFY2(!k->geometry().intersects(enter), qPrintable(k->objectName()));
        }
    }

    void oberflaeche()
    {
        QCOMPARE(fenster->client()->size(), QSize(869, 683));
        QCOMPARE(fenster->minimumSize(), fenster->maximumSize());
        QCOMPARE(farbeIn(bild, {5, 300}).rgb(), qRgb(0xE0, 0xE0, 0xE0));
        QCOMPARE(farbeIn(bild, {30, 290}).rgb(), qRgb(0xF2, 0xEC, 0xD5)); // keyboard panel
        QCOMPARE(fenster->client()->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!fenster->windowIcon().isNull());

        QCOMPARE(fenster->TextFeld->geometry(), QRect(16, 8, 841, 31));
        QCOMPARE(farbeIn(bild, {18, 10}).rgb(), qRgb(0xFD, 0xFB, 0xEC));
        QCOMPARE(fenster->TextFeld->toolTip(),
                 QStringLiteral("  Alles was hier steht muss man \"abtippen\".  "));

        QLineEdit *feld = fenster->FELD;
        QCOMPARE(feld->geometry(), QRect(24, 240, 833, 37));
        QCOMPARE(feld->text(), QStringLiteral(" Lektion auswählen"));
        QVERIFY(feld->font().bold());
        QCOMPARE(feld->font().pointSizeF(), 14.25);
        QCOMPARE(feld->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(feld->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(feld->hasFocus());

        for (int i = 0; i <= 9; ++i) {
            QVERIFY(fenster->DieFinger[i]->isVisible());
            QCOMPARE(fenster->DieFinger[i]->size(), QSize(17, 17));
            const QPoint mitte = fenster->DieFinger[i]->geometry().center();
            QCOMPARE(farbeIn(bild, mitte).rgb(), qRgb(0x80, 0xFF, 0xFF));
        }
        QCOMPARE(fenster->Image1->geometry(), QRect(360, 112, 202, 133));
        QCOMPARE(fenster->Text->palette().color(QPalette::WindowText), QColor(0x80, 0x00, 0x80));
    }

    void fokusfolge()
    {
        QStringList erwartet{QStringLiteral("FELD"), QStringLiteral("FehlerTaste"),
                             QStringLiteral("EndE")};
        for (int i = 0; i <= 28; ++i)
            erwartet << QStringLiteral("Buchstaben_%1").arg(i);
        for (int d : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
            erwartet << QStringLiteral("Zahlentasten_%1").arg(d);
        for (int i : {8, 0, 1, 2, 3, 4, 5, 6, 7})
            erwartet << QStringLiteral("Zeichentaste_%1").arg(i);
        erwartet << QStringLiteral("Alttaste") << QStringLiteral("Strgtaste_0")
                 << QStringLiteral("Strgtaste_1") << QStringLiteral("ShiftTaste_0")
                 << QStringLiteral("ShiftTaste_1") << QStringLiteral("Rücktaste")
                 << QStringLiteral("LockTaste") << QStringLiteral("LeerTaste_2")
                 << QStringLiteral("AltGrTaste") << QStringLiteral("TabTaste");
        for (int i : {0, 1, 2, 3, 7, 4, 5, 6})
            erwartet << QStringLiteral("Finger_%1").arg(i);
        erwartet << QStringLiteral("ZeigeTasten_0") << QStringLiteral("ZeigeTasten_1")
                 << QStringLiteral("Command1") << QStringLiteral("Command2")
                 << QStringLiteral("Command3") << QStringLiteral("Command4")
                 << QStringLiteral("Wiederholen");
        QStringList gefunden;
        QWidget *w = fenster->FELD;
        for (int i = 0; i < erwartet.size(); ++i) {
            gefunden << w->objectName();
            w = w->nextInFocusChain();
            while (w && !(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
        }
        QCOMPARE(gefunden, erwartet);
    }

    void menues()
    {
        auto titel = [](const QList<QAction *> &aktionen) {
            QStringList t;
            for (QAction *a : aktionen) {
                if (a->isVisible())
                    t << a->text();
            }
            return t;
        };
        QMenuBar *leiste = fenster->menuBar();
        QCOMPARE(titel(leiste->actions()),
                 QStringList({QStringLiteral("Programm"), QStringLiteral("Lektionen"),
                              QStringLiteral("Webseiten"), QStringLiteral("Hilfe")}));
        QCOMPARE(titel(fenster->mnu_Programm->actions()), QStringList{QStringLiteral("Beenden")});
        QCOMPARE(titel(fenster->mnu_Lektionen->actions()),
                 QStringList(
                     {QStringLiteral("1-10"), QStringLiteral("11-20"), QStringLiteral("21-30")}));
        QCOMPARE(fenster->mnu_Lektionen->actions().size(), 4);
        QVERIFY(!fenster->mnu_UebungsT->menuAction()->isVisible());
        QVERIFY(!fenster->mnu_UebungsT->menuAction()->isEnabled());
        QCOMPARE(fenster->mnu_UebungsT->title(), QStringLiteral("Übungstexte"));
        QCOMPARE(fenster->Lektion4[1]->text(), QStringLiteral("Text 1"));
        QCOMPARE(fenster->Lektion4[3]->text(), QStringLiteral("Text 3"));
        QCOMPARE(fenster->Lektion1[0]->text(), QStringLiteral("Lek. 01"));
        QCOMPARE(fenster->Lektion1[9]->text(), QStringLiteral("Lek. 10"));
        QCOMPARE(fenster->Lektion2[0]->text(), QStringLiteral("Lek. 11"));
        QCOMPARE(fenster->Lektion3[0]->text(), QStringLiteral("Lekt. 21"));
        QCOMPARE(fenster->Lektion3[9]->text(), QStringLiteral("Lekt. 30"));
        QCOMPARE(titel(fenster->mnu_Webseiten->actions()),
                 QStringList({QStringLiteral("Musik"), QStringLiteral("Kunst"),
                              QStringLiteral("Spiele"), QStringLiteral("kostenlose Software")}));
        const QList<int> anzahl{2, 2, 2, 3};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(fenster->mnu_Webseiten->actions()[i]->menu()->actions().size(), anzahl[i]);
        QCOMPARE(titel(fenster->mnu_Hilfe->actions()),
                 QStringList({QStringLiteral("Kurzanleitung"), QStringLiteral("Finger im Bild"),
                              QStringLiteral("Update?")}));
        QCOMPARE(titel(fenster->mnu_update->actions()),
                 QStringList{QStringLiteral("Fingalo Webseite")});
    }

private:
    const Erwartung *m_tabelle = nullptr;
};

QTEST_MAIN(TstHauptfensterLayout)
#include "tst_hauptfenster_layout.moc"

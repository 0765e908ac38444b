// The menu bar of the main window: program, lessons, web links and help.

#include "main_window/tippen.h"

#include "help/Weblinks.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *untermenue(QWidget *eltern, QMenu *menue, const QString &name, const QString &titel)
{
    QMenu *m = menue ? menue->addMenu(titel) : new QMenu(titel, eltern);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction *eintrag(QMenu *menue, const QString &name, const QString &titel)
{
    QAction *a = menue->addAction(titel);
    a->setObjectName(name);
    return a;
}

} // namespace

void tippen::baueMenues()
{
    QMenuBar *leiste = menuBar();
    auto hauptmenue = [&](const QString &name, const QString &titel) {
        QMenu *m = leiste->addMenu(titel);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };

    QMenu *mnu_Programm = hauptmenue(QStringLiteral("mnu_Programm"), QStringLiteral("Programm"));
    mnu_beenden = eintrag(mnu_Programm, QStringLiteral("mnu_beenden"), QStringLiteral("Beenden"));

    QMenu *mnu_Lektionen = hauptmenue(QStringLiteral("mnu_Lektionen"), QStringLiteral("Lektionen"));
    QMenu *mnu_1bis10 =
        untermenue(this, mnu_Lektionen, QStringLiteral("mnu_1bis10"), QStringLiteral("1-10"));
    QMenu *mnu_11bis20 =
        untermenue(this, mnu_Lektionen, QStringLiteral("mnu_11bis20"), QStringLiteral("11-20"));
    QMenu *mnu_21bis30 =
        untermenue(this, mnu_Lektionen, QStringLiteral("mnu_21bis30"), QStringLiteral("21-30"));
    for (int i = 0; i <= 9; ++i) {
        Lektion1[i] = eintrag(mnu_1bis10, QStringLiteral("Lektion1_%1").arg(i),
                              QStringLiteral("Lek. %1").arg(i + 1, 2, 10, QLatin1Char('0')));
        Lektion2[i] = eintrag(mnu_11bis20, QStringLiteral("Lektion2_%1").arg(i),
                              QStringLiteral("Lek. %1").arg(i + 11));
        Lektion3[i] = eintrag(mnu_21bis30, QStringLiteral("Lektion3_%1").arg(i),
                              QStringLiteral("Lekt. %1").arg(i + 21));
    }
    // Kept for the texts once planned; hidden and disabled, so it never shows.
    QMenu *mnu_UebungsT = untermenue(this, mnu_Lektionen, QStringLiteral("mnu_ÜbungsT"),
                                     QStringLiteral("Übungstexte"));
    for (int i = 1; i <= 3; ++i)
        eintrag(mnu_UebungsT, QStringLiteral("Lektion4_%1").arg(i),
                QStringLiteral("Text %1").arg(i));
    mnu_UebungsT->menuAction()->setVisible(false);
    mnu_UebungsT->menuAction()->setEnabled(false);
    mnu_UebungsT->setEnabled(false);

    QMenu *mnu_Webseiten = hauptmenue(QStringLiteral("mnu_Webseiten"), QStringLiteral("Webseiten"));
    struct Gruppe
    {
        QStringView name;
        QStringView titel;
        std::initializer_list<QStringView> eintraege;
    };
    const Gruppe gruppen[] = {
        {u"mnu_Musik", u"Musik", {u"mnu_Link1", u"mnu_Link2"}},
        {u"mnu_kunst", u"Kunst", {u"mnu_WendrikWeb", u"mnu_Link3"}},
        {u"mnu_Spiele", u"Spiele", {u"mnu_Link4", u"mnu_Link5"}},
        {u"mnu_Software", u"kostenlose Software", {u"mnu_Link6", u"mnu_Fingalo", u"mnu_Link7"}},
    };
    auto verweis = [this](QMenu *menue, const QString &name) {
        const Weblink link = Weblinks::eintrag(name);
        QAction *a = eintrag(menue, name, link.beschriftung);
        const QString adresse = link.adresse.toString();
        connect(a, &QAction::triggered, this, [this, adresse] { Adresse_Click(adresse); });
    };
    for (const Gruppe &g : gruppen) {
        QMenu *m = untermenue(this, mnu_Webseiten, g.name.toString(), g.titel.toString());
        for (QStringView name : g.eintraege)
            verweis(m, name.toString());
    }

    QMenu *mnu_Hilfe = hauptmenue(QStringLiteral("mnu_Hilfe"), QStringLiteral("Hilfe"));
    mnu_Kurzanleitung =
        eintrag(mnu_Hilfe, QStringLiteral("mnu_Kurzanleitung"), QStringLiteral("Kurzanleitung"));
    mnu_FingerBild =
        eintrag(mnu_Hilfe, QStringLiteral("mnu_FingerBild"), QStringLiteral("Finger im Bild"));
    QMenu *mnu_update =
        untermenue(this, mnu_Hilfe, QStringLiteral("mnu_update"), QStringLiteral("Update?"));
    verweis(mnu_update, QStringLiteral("mnu_Webseite"));
}

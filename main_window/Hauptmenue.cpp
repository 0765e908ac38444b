#include "main_window/Hauptmenue.h"

#include "help/Weblinks.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *menue(QMenuBar *leiste, QMenu *oben, const QString &name, const QString &titel)
{
    QMenu *m = oben ? oben->addMenu(titel) : leiste->addMenu(titel);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    // A listener hears the menu's title as it stands.
    m->setAccessibleName(titel);
    return m;
}

QAction *eintrag(QMenu *menue, const QString &name, const QString &titel)
{
    QAction *a = menue->addAction(titel);
    a->setObjectName(name);
    return a;
}

} // namespace

Hauptmenue::Hauptmenue(QMenuBar *leiste) : QObject(leiste)
{
    QMenu *mnu_Programm =
        menue(leiste, nullptr, QStringLiteral("mnu_Programm"), QStringLiteral("Programm"));
    QAction *mnu_beenden =
        eintrag(mnu_Programm, QStringLiteral("mnu_beenden"), QStringLiteral("Beenden"));
    connect(mnu_beenden, &QAction::triggered, this, &Hauptmenue::beenden);

    QMenu *mnu_Lektionen =
        menue(leiste, nullptr, QStringLiteral("mnu_Lektionen"), QStringLiteral("Lektionen"));
    QMenu *mnu_1bis10 =
        menue(leiste, mnu_Lektionen, QStringLiteral("mnu_1bis10"), QStringLiteral("1-10"));
    QMenu *mnu_11bis20 =
        menue(leiste, mnu_Lektionen, QStringLiteral("mnu_11bis20"), QStringLiteral("11-20"));
    QMenu *mnu_21bis30 =
        menue(leiste, mnu_Lektionen, QStringLiteral("mnu_21bis30"), QStringLiteral("21-30"));
    // The menu arrays Lektion1, Lektion2 and Lektion3, items 0..9 each.
    for (int i = 0; i <= 9; ++i) {
        const struct
        {
            QMenu *menue;
            QString name;
            QString titel;
            int lektion;
        } punkte[] = {
            {mnu_1bis10, QStringLiteral("Lektion1_%1").arg(i),
             QStringLiteral("Lek. %1").arg(i + 1, 2, 10, QLatin1Char('0')), i + 1},
            {mnu_11bis20, QStringLiteral("Lektion2_%1").arg(i),
             QStringLiteral("Lek. %1").arg(i + 11), i + 11},
            {mnu_21bis30, QStringLiteral("Lektion3_%1").arg(i),
             QStringLiteral("Lekt. %1").arg(i + 21), i + 21},
        };
        for (const auto &p : punkte) {
            QAction *a = eintrag(p.menue, p.name, p.titel);
            connect(a, &QAction::triggered, this,
                    [this, lektion = p.lektion] { Q_EMIT lektionGewaehlt(lektion); });
        }
    }
    // Kept for the texts once planned; hidden and disabled, so it never shows.
    QMenu *mnu_UebungsT =
        menue(leiste, mnu_Lektionen, QStringLiteral("mnu_ÜbungsT"), QStringLiteral("Übungstexte"));
    for (int i = 1; i <= 3; ++i)
        eintrag(mnu_UebungsT, QStringLiteral("Lektion4_%1").arg(i),
                QStringLiteral("Text %1").arg(i));
    mnu_UebungsT->menuAction()->setVisible(false);
    mnu_UebungsT->menuAction()->setEnabled(false);
    mnu_UebungsT->setEnabled(false);

    QMenu *mnu_Webseiten =
        menue(leiste, nullptr, QStringLiteral("mnu_Webseiten"), QStringLiteral("Webseiten"));
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
    auto verweis = [this](QMenu *m, const QString &name) {
        const Weblink link = Weblinks::eintrag(name);
        QAction *a = eintrag(m, name, link.beschriftung);
        connect(a, &QAction::triggered, this,
                [this, adresse = link.adresse] { Q_EMIT adresseGewaehlt(adresse); });
    };
    for (const Gruppe &g : gruppen) {
        QMenu *m = menue(leiste, mnu_Webseiten, g.name.toString(), g.titel.toString());
        for (QStringView name : g.eintraege)
            verweis(m, name.toString());
    }

    QMenu *mnu_Hilfe = menue(leiste, nullptr, QStringLiteral("mnu_Hilfe"), QStringLiteral("Hilfe"));
    QAction *mnu_Kurzanleitung =
        eintrag(mnu_Hilfe, QStringLiteral("mnu_Kurzanleitung"), QStringLiteral("Kurzanleitung"));
    QAction *mnu_FingerBild =
        eintrag(mnu_Hilfe, QStringLiteral("mnu_FingerBild"), QStringLiteral("Finger im Bild"));
    connect(mnu_Kurzanleitung, &QAction::triggered, this, [this] { Q_EMIT hilfeGewaehlt(1); });
    connect(mnu_FingerBild, &QAction::triggered, this, [this] { Q_EMIT hilfeGewaehlt(2); });
    QMenu *mnu_update =
        menue(leiste, mnu_Hilfe, QStringLiteral("mnu_update"), QStringLiteral("Update?"));
    verweis(mnu_update, QStringLiteral("mnu_Webseite"));
}

#include "help/Weblinks.h"

#include <QStringView>
#include <array>

namespace {

struct Eintrag
{
    QStringView name;
    QStringView beschriftung;
    QStringView adresse;
};

// Free, non-commercial pages a learner may enjoy once the fingers are warm; the program's own
// pages under the project's address.
constexpr std::array<Eintrag, 10> Tabelle{{
    {u"mnu_Link1", u"Freie Notenbibliothek", u"https://imslp.org/"},
    {u"mnu_Link2", u"Klassische Musik frei hören", u"https://musopen.org/"},
    {u"mnu_WendrikWeb", u"Das Fingalo-Team", u"https://fingalo.example.org/"},
    {u"mnu_Link3", u"Europas Kulturerbe online", u"https://www.europeana.eu/de"},
    {u"mnu_Link4", u"Schach spielen, frei und ohne Werbung", u"https://lichess.org/"},
    {u"mnu_Link5", u"Freies Strategiespiel der Antike", u"https://play0ad.com/"},
    {u"mnu_Link6", u"Freies Büropaket", u"https://de.libreoffice.org/"},
    {u"mnu_Fingalo", u"10-Finger Fingalo", u"https://fingalo.example.org/programm/"},
    {u"mnu_Link7", u"Freie Bildbearbeitung", u"https://www.gimp.org/"},
    {u"mnu_Webseite", u"Fingalo Webseite", u"https://fingalo.example.org/aktuell/"},
}};

} // namespace

namespace Weblinks {

Weblink eintrag(const QString &name)
{
    for (const Eintrag &e : Tabelle) {
        if (name == e.name)
            return {e.beschriftung.toString(), QUrl(e.adresse.toString(), QUrl::StrictMode)};
    }
    return {};
}

} // namespace Weblinks

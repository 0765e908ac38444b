#pragma once

#include <QString>
#include <QUrl>

// A web page that a menu item opens.
struct Weblink
{
    QString name;         // object name of the menu item
    QString beschriftung; // menu caption
    QUrl adresse;
};

namespace Weblinks {

inline constexpr int Anzahl = 10;

// The link of menu item `name`; an empty link for names that carry none.
Weblink eintrag(const QString &name);

// Every link in menu order.
Weblink eintrag(int index);

} // namespace Weblinks

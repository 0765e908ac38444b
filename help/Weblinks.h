#pragma once

#include <QString>
#include <QUrl>

// A web page that a menu item opens.
struct Weblink
{
    QString beschriftung; // menu caption
    QUrl adresse;
};

namespace Weblinks {

// The link of menu item `name`; an empty link for names that carry none.
Weblink eintrag(const QString &name);

} // namespace Weblinks

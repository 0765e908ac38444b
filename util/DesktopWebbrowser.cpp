#include "util/DesktopWebbrowser.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopWebbrowser::oeffne(const QUrl &adresse)
{
    // Only web pages: a built-in address is never a local file or a program.
    if (!adresse.isValid() || (adresse.scheme() != u"https" && adresse.scheme() != u"http"))
        return false;
    return QDesktopServices::openUrl(adresse);
}

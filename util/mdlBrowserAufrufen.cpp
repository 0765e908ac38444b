#include "util/mdlBrowserAufrufen.h"

#include "util/Bildschirmzeiger.h"
#include "util/Webbrowser.h"

#include <QString>
#include <QUrl>

void BrowserAufrufen(QWidget *besitzer, const QString &adresse, Webbrowser &browser)
{
    Q_UNUSED(besitzer)
    setzeBildschirmzeiger(11);
    browser.oeffne(QUrl(adresse, QUrl::StrictMode));
    setzeBildschirmzeiger(0);
}

#include "util/BrowserAufrufen.h"

#include "util/Bildschirmzeiger.h"
#include "util/Webbrowser.h"

#include <QString>
#include <QUrl>

void BrowserAufrufen(const QString &adresse, Webbrowser &browser)
{
    setzeBildschirmzeiger(Bildschirmzeiger::Sanduhr);
    browser.oeffne(QUrl(adresse, QUrl::StrictMode));
    setzeBildschirmzeiger(Bildschirmzeiger::Standard);
}

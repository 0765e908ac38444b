#pragma once

class QString;
class Webbrowser;

// Hands `adresse` to the desktop's default browser with the busy pointer shown until the request
// is handed over. A failure goes unreported: the pointer comes back all the same.
void BrowserAufrufen(const QString &adresse, Webbrowser &browser);

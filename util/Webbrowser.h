#pragma once

class QUrl;

// Hands a web address to the desktop's default browser.
class Webbrowser
{
public:
    virtual ~Webbrowser() = default;
    virtual bool oeffne(const QUrl &adresse) = 0;
};

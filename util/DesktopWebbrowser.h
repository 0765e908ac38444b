#pragma once

#include "util/Webbrowser.h"

// The desktop's default browser, reached through the platform's URL handler.
class DesktopWebbrowser : public Webbrowser
{
public:
    bool oeffne(const QUrl &adresse) override;
};

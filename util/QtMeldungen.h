#pragma once

#include "util/Meldungen.h"

class QWidget;

// Real modal message boxes, with the OK button only. Screen readers read them like any dialog.
class QtMeldungen : public Meldungen
{
public:
    void zeige(const QString &text, const QString &titel, Symbol symbol,
               const QString &gesprochen = {}) override;
};

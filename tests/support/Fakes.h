#pragma once

#include "help/Hilfeanzeige.h"
#include "main_window/Umgebung.h"
#include "util/Meldungen.h"
#include "util/Webbrowser.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <utility>

// Recording stand-ins for everything the windows ask of the outside world. None of them blocks
// or opens anything, so tests can drive the windows without an event loop of their own.

class AufzeichnendeMeldungen : public Meldungen
{
public:
    struct Eintrag
    {
        QString text;
        QString titel;
        Symbol symbol;
        QString gesprochen;
    };
    QList<Eintrag> eintraege;
    // Runs once, while the next message is "open": what a learner might do before confirming.
    std::function<void()> waehrendDerMeldung;

    void zeige(const QString &text, const QString &titel, Symbol symbol,
               const QString &gesprochen = {}) override
    {
        eintraege.append({text, titel, symbol, gesprochen});
        if (waehrendDerMeldung)
            std::exchange(waehrendDerMeldung, nullptr)();
    }
};

class AufzeichnendeWebbrowser : public Webbrowser
{
public:
    struct Aufruf
    {
        QUrl adresse;
        std::optional<Qt::CursorShape>
            zeigerWaehrenddessen; // override pointer at the moment of the call
    };
    QList<Aufruf> aufrufe;
    bool gelingt = true;

    bool oeffne(const QUrl &adresse) override;
};

class AufzeichnendeHilfe : public Hilfeanzeige
{
public:
    QList<int> seiten;
    void zeige(int seite) override { seiten.append(seite); }
};

// All fakes together, with an Umgebung that points at them and counts requests to end.
class Testumgebung
{
public:
    AufzeichnendeMeldungen meldungen;
    AufzeichnendeWebbrowser browser;
    AufzeichnendeHilfe hilfe;
    int beendet = 0;

    Umgebung &umgebung() { return m_umgebung; }

private:
    Umgebung m_umgebung{meldungen, browser, hilfe, [this] { ++beendet; }};
};

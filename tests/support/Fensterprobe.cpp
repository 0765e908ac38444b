#include "Fensterprobe.h"

#include "app/AStart.h"
#include "app/Programm.h"
#include "main_window/Eingabefeld.h"
#include "main_window/tippen.h"

#include <QTest>

namespace {

QWidget *kind(const QWidget *fenster, const QString &name)
{
    auto *w = fenster->findChild<QWidget *>(name);
    if (!w)
        qFatal("no control named %s", qPrintable(name));
    return w;
}

void einmalEinrichten()
{
    static const bool eingerichtet = [] {
        Programm::einrichten();
        return true;
    }();
    Q_UNUSED(eingerichtet)
}

} // namespace

Hauptfensterprobe::Hauptfensterprobe()
{
    einmalEinrichten();
    m_fenster = std::make_unique<tippen>(umgebung.umgebung());
}

Hauptfensterprobe::Hauptfensterprobe(Umgebung &eigene)
{
    einmalEinrichten();
    m_fenster = std::make_unique<tippen>(eigene);
}

Hauptfensterprobe::~Hauptfensterprobe() = default;

void Hauptfensterprobe::zeige()
{
    m_fenster->Show();
    if (!QTest::qWaitForWindowExposed(m_fenster.get()))
        qFatal("main window not exposed");
    m_fenster->activateWindow();
    // Without a window manager activation may not come; focus checks wait for it themselves.
    (void)QTest::qWaitForWindowActive(m_fenster.get(), 1000);
}

QWidget *Hauptfensterprobe::ctrl(const QString &name) const
{
    return kind(m_fenster.get(), name);
}

Eingabefeld *Hauptfensterprobe::feld() const
{
    return ctrl<Eingabefeld>(QStringLiteral("FELD"));
}

QWidget *Hauptfensterprobe::client() const
{
    return ctrl(QStringLiteral("Client"));
}

QRect Hauptfensterprobe::platz(const QString &name) const
{
    QWidget *w = ctrl(name);
    return QRect(w->mapTo(client(), QPoint(0, 0)), w->size());
}

QAction *Hauptfensterprobe::menuepunkt(const QString &name) const
{
    auto *a = m_fenster->findChild<QAction *>(name);
    if (!a)
        qFatal("no menu item named %s", qPrintable(name));
    return a;
}

void Hauptfensterprobe::lektion(int nummer) const
{
    if (nummer < 1 || nummer > 30)
        qFatal("no lesson %d", nummer);
    menuepunkt(QStringLiteral("Lektion%1_%2").arg((nummer - 1) / 10 + 1).arg((nummer - 1) % 10))
        ->trigger();
}

QStringList Hauptfensterprobe::meldungen()
{
    QStringList texte;
    for (const auto &m : umgebung.meldungen.eintraege)
        texte << m.text;
    umgebung.meldungen.eintraege.clear();
    return texte;
}

Startfensterprobe::Startfensterprobe()
{
    einmalEinrichten();
    m_fenster = std::make_unique<AStart>(umgebung.umgebung());
}

Startfensterprobe::~Startfensterprobe() = default;

void Startfensterprobe::zeige()
{
    m_fenster->show();
    if (!QTest::qWaitForWindowExposed(m_fenster.get()))
        qFatal("start window not exposed");
    m_fenster->activateWindow();
    // Without a window manager activation may not come; focus checks wait for it themselves.
    (void)QTest::qWaitForWindowActive(m_fenster.get(), 1000);
}

QWidget *Startfensterprobe::ctrl(const QString &name) const
{
    return kind(m_fenster.get(), name);
}

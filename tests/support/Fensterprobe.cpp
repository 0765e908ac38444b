#include "Fensterprobe.h"

#include "Tippen.h"
#include "app/AStart.h"
#include "app/Programm.h"
#include "lessons/Kurs.h"
#include "main_window/Eingabefeld.h"
#include "main_window/tippen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

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

QString Hauptfensterprobe::text(const QString &name) const
{
    QWidget *w = ctrl(name);
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *e = qobject_cast<Eingabefeld *>(w))
        return e->text();
    qFatal("control %s shows no text", qPrintable(name));
}

void Hauptfensterprobe::tippe(const QString &text) const
{
    Tippen::text(feld(), text);
}

void Hauptfensterprobe::tippeZeilen(int lektion, int von, int bis) const
{
    for (int z = von; z <= bis; ++z)
        tippe(Kurs::zeile(lektion, z));
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

QString ohneZugriffstaste(const QString &beschriftung)
{
    QString text;
    for (qsizetype i = 0; i < beschriftung.size(); ++i) {
        if (beschriftung[i] == u'&' && i + 1 < beschriftung.size())
            ++i;
        text += beschriftung[i];
    }
    return text;
}

void mitModalemFenster(const std::function<void()> &bedienen,
                       const std::function<void(QWidget *)> &pruefen)
{
    // The modal window's own event loop runs the search; a single shot could fire before the
    // window exists.
    QTimer sucher;
    bool gesehen = false;
    QObject::connect(&sucher, &QTimer::timeout, [&] {
        if (QWidget *w = QApplication::activeModalWidget(); w && !gesehen) {
            gesehen = true;
            pruefen(w);
        }
    });
    sucher.start(10);
    bedienen();
    QVERIFY(gesehen);
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

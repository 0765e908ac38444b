#pragma once

#include <QPointer>
#include <QString>
#include <qpa/qplatforminputcontext.h>
#include <qpa/qplatforminputcontextplugin_p.h>

// An input method that behaves as IBus does where it matters to the input box: it shows a pending
// dead key as a composition, and when asked to commit it sends that composition to the focus
// object before it forgets it, so a handler that asks for a commit again re-enters without end.
// Tests drive it by name (QMetaObject::invokeMethod) and read what it saw from its properties.
class IbusartigeEingabemethode : public QPlatformInputContext
{
    Q_OBJECT
    Q_PROPERTY(int tiefste READ tiefste)
    Q_PROPERTY(int zuruecksetzungen READ zuruecksetzungen)
public:
    bool isValid() const override { return true; }
    void reset() override;
    void commit() override;

    // What the test makes it do.
    Q_INVOKABLE void zeigeVorschau(const QString &text);
    Q_INVOKABLE void legeFest(const QString &text);

    int tiefste() const { return m_tiefste; }
    int zuruecksetzungen() const { return m_zuruecksetzungen; }

private:
    void sende(const QString &vorschau, const QString &festgelegt);

    QString m_vorschau;
    int m_tiefe = 0;
    int m_tiefste = 0;
    int m_zuruecksetzungen = 0;
};

class IbusartigesModul : public QPlatformInputContextPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformInputContextFactoryInterface_iid FILE "ibusartig.json")
public:
    QPlatformInputContext *create(const QString &schluessel, const QStringList &) override
    {
        return schluessel == QLatin1String("fingalo-ibusartig") ? new IbusartigeEingabemethode
                                                                : nullptr;
    }
};

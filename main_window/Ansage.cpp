#include "main_window/Ansage.h"

#include <QAccessibleWidget>

namespace {

class AnsageZugang : public QAccessibleWidget
{
public:
    explicit AnsageZugang(Ansage *ansage) : QAccessibleWidget(ansage, QAccessible::Notification) {}
    QString text(QAccessible::Text art) const override
    {
        if (art == QAccessible::Name)
            return static_cast<Ansage *>(widget())->text();
        return QAccessibleWidget::text(art);
    }
};

QAccessibleInterface *zugang(const QString &klasse, QObject *objekt)
{
    if (klasse == u"Ansage")
        return new AnsageZugang(static_cast<Ansage *>(objekt));
    return nullptr;
}

} // namespace

Ansage::Ansage(QWidget *parent) : QWidget(parent)
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(zugang);
        return true;
    }();
    Q_UNUSED(eingerichtet)
    setObjectName(QStringLiteral("Ansage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
    hide();
}

void Ansage::sage(const QString &text)
{
    // Hidden and shown again, so that the same news twice is still spoken twice.
    hide();
    m_text = text;
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    show();
}

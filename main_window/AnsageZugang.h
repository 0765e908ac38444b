#pragma once

#include <QAccessibleWidget>

class Ansage;

// An announcement as a screen reader meets it: an object of the notification role whose name is
// the news it carries.
class AnsageZugang : public QAccessibleWidget
{
public:
    explicit AnsageZugang(Ansage *ansage);
    QString text(QAccessible::Text art) const override;
};

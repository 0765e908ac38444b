#pragma once

#include <QAccessibleWidget>

class Ansage;

// An announcement as a screen reader meets it: an object of the notification role with no name
// of its own, the news in the label it holds. A screen reader speaks the role and the label, and
// keeps the label's text for "repeat the last notification"; a label that only repeated the
// object's name would be passed over there.
class AnsageZugang : public QAccessibleWidget
{
public:
    explicit AnsageZugang(Ansage *ansage);
};

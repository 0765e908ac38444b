#pragma once

#include <QLabel>

// A label that reports clicks.
class KlickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

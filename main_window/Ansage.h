#pragma once

#include <QWidget>

// Spoken news for screen readers: an object of the notification role, never drawn, that shows
// itself anew with each announcement. Screen readers speak a notification when it appears, also
// while the focus stays in the input box.
class Ansage : public QWidget
{
    Q_OBJECT
public:
    explicit Ansage(QWidget *parent = nullptr);

    void sage(const QString &text);
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

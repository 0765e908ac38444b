#pragma once

#include <QWidget>

class QLabel;

// Spoken news for screen readers: an object of the notification role, never drawn, that shows
// itself anew with each announcement. Screen readers speak a notification when it appears, also
// while the focus stays in the input box, and keep its text for the learner to ask again: they
// read it from a label inside, which is why the news stands there too.
class Ansage : public QWidget
{
    Q_OBJECT
public:
    explicit Ansage(QWidget *parent = nullptr);

    void sage(const QString &text);
    const QString &text() const { return m_text; }

private:
    QString m_text;
    QLabel *m_zeile = nullptr;
};

#pragma once

#include <QChar>
#include <QString>
#include <optional>

// A dead key: a key that types nothing by itself but puts its accent on the next letter. The input
// method normally joins the two; where it cannot (a button had the focus, or the letter takes no
// such accent), the box joins them itself, so that nothing the learner pressed goes unseen.
class Totetaste
{
public:
    // The dead key of a key code (Qt::Key_Dead_Acute …), none for other keys.
    static std::optional<Totetaste> zuTaste(int qtTaste);
    // The dead key whose accent stands alone as `zeichen` ("´" for the acute), none otherwise.
    static std::optional<Totetaste> zuAkzent(QStringView zeichen);

    int qtTaste() const { return m_qtTaste; }
    // The accent alone, as the key types it before a blank: "´", "`", "^" …
    QString akzent() const { return QString(m_akzent); }

    // What the dead key and the text after it type: the accented letter where there is one
    // ("´" and "e" give "é"), else the accent followed by the text ("´f"). Text an input method
    // already joined with this accent ("é", or the accent itself) stays as it is.
    QString verbinde(const QString &text) const;

private:
    Totetaste(int qtTaste, QChar akzent, QChar kombinierend)
        : m_qtTaste(qtTaste), m_akzent(akzent), m_kombinierend(kombinierend)
    {
    }

    int m_qtTaste;
    QChar m_akzent;
    QChar m_kombinierend; // the combining form of the accent
};

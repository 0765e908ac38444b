#include "main_window/Totetaste.h"

#include <Qt>
#include <array>

namespace {

struct Eintrag
{
    int qtTaste;
    char16_t akzent;
    char16_t kombinierend;
};

// The dead keys of European layouts; the German one has ´ (with Shift `) and ^.
constexpr std::array<Eintrag, 13> Tabelle{{
    {Qt::Key_Dead_Grave, u'`', u'\u0300'},
    {Qt::Key_Dead_Acute, u'\u00B4', u'\u0301'},
    {Qt::Key_Dead_Circumflex, u'^', u'\u0302'},
    {Qt::Key_Dead_Tilde, u'~', u'\u0303'},
    {Qt::Key_Dead_Macron, u'\u00AF', u'\u0304'},
    {Qt::Key_Dead_Breve, u'\u02D8', u'\u0306'},
    {Qt::Key_Dead_Abovedot, u'\u02D9', u'\u0307'},
    {Qt::Key_Dead_Diaeresis, u'\u00A8', u'\u0308'},
    {Qt::Key_Dead_Abovering, u'\u02DA', u'\u030A'},
    {Qt::Key_Dead_Doubleacute, u'\u02DD', u'\u030B'},
    {Qt::Key_Dead_Caron, u'\u02C7', u'\u030C'},
    {Qt::Key_Dead_Cedilla, u'\u00B8', u'\u0327'},
    {Qt::Key_Dead_Ogonek, u'\u02DB', u'\u0328'},
}};

} // namespace

std::optional<Totetaste> Totetaste::zuTaste(int qtTaste)
{
    for (const Eintrag &e : Tabelle) {
        if (e.qtTaste == qtTaste)
            return Totetaste(e.qtTaste, QChar(e.akzent), QChar(e.kombinierend));
    }
    return std::nullopt;
}

std::optional<Totetaste> Totetaste::zuAkzent(QStringView zeichen)
{
    for (const Eintrag &e : Tabelle) {
        if (zeichen.size() == 1 && (zeichen[0] == e.akzent || zeichen[0] == e.kombinierend))
            return Totetaste(e.qtTaste, QChar(e.akzent), QChar(e.kombinierend));
    }
    return std::nullopt;
}

QString Totetaste::verbinde(const QString &text) const
{
    if (text.isEmpty())
        return akzent();
    const QChar erstes = text.front();
    if (erstes == m_akzent)
        return text;
    // Before a blank the key types its accent alone.
    if (erstes == u' ')
        return akzent() + text.mid(1);
    // Already joined: the first letter carries this accent.
    const QString zerlegt = QString(erstes).normalized(QString::NormalizationForm_D);
    if (zerlegt.size() > 1 && zerlegt.contains(m_kombinierend))
        return text;
    // Joined here, where the letter takes the accent.
    const QString verbunden =
        (QString(erstes) + m_kombinierend).normalized(QString::NormalizationForm_C);
    if (verbunden.size() == 1 && !erstes.isHighSurrogate())
        return verbunden + text.mid(1);
    return akzent() + text;
}

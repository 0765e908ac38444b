#include "util/Zentriere.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

constexpr float EinheitenJePixel = 15.0f;

float inEinheiten(int pixel)
{
    return float(pixel) * EinheitenJePixel;
}

int inPixel(float einheiten)
{
    return int(std::lround(einheiten / EinheitenJePixel));
}

} // namespace

std::optional<QPoint> zentriertePosition(const QRect &fenster, const QSize &bildschirm, qint32 code)
{
    const float breite = inEinheiten(fenster.width());
    const float hoehe = inEinheiten(fenster.height());
    const float schirmBreite = inEinheiten(bildschirm.width());
    const float schirmHoehe = inEinheiten(bildschirm.height());
    const float mitteLinks = schirmBreite / 2.0f - breite / 2.0f;
    const float mitteOben = schirmHoehe / 2.0f - hoehe / 2.0f;

    float links = 0.0f;
    float oben = 0.0f;
    switch (code) {
    case Platzierung::LinkerRand:
        links = 0.0f;
        oben = mitteOben;
        break;
    case Platzierung::RechterRand:
        links = schirmBreite - breite;
        oben = mitteOben;
        break;
    case Platzierung::ObererRand:
        links = mitteLinks;
        oben = 0.0f;
        break;
    case Platzierung::UntererRand:
        links = mitteLinks;
        oben = schirmHoehe - hoehe;
        break;
    case Platzierung::Mitte:
        links = mitteLinks;
        oben = mitteOben;
        break;
    default:
        return std::nullopt;
    }
    return QPoint(inPixel(links), inPixel(oben));
}

void Zentriere(QWidget *fenster, qint32 code)
{
    const QScreen *bildschirm = QGuiApplication::primaryScreen();
    if (!fenster || !bildschirm || !zentriertePosition(QRect(), QSize(), code))
        return; // no window, or a code that leaves it where it is
    // A window placed before it is first shown gets its native frame now, so that the outer
    // size below includes the title bar and border wherever the platform knows them in advance.
    if (fenster->isWindow())
        fenster->winId();
    // Likewise its layout settles the size before the window is placed by it.
    fenster->ensurePolished();
    if (QLayout *anordnung = fenster->layout())
        anordnung->activate();
    const std::optional<QPoint> ziel =
        zentriertePosition(fenster->frameGeometry(), bildschirm->geometry().size(), code);
    if (!ziel)
        return;
    // Left edge first, then the top edge, each as a change of its own.
    fenster->move(ziel->x(), fenster->pos().y());
    fenster->move(fenster->pos().x(), ziel->y());
}

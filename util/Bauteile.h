#pragma once

#include "util/Knopf.h"

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QRect>

// Builders for the controls both windows place at fixed pixel positions.
namespace Bauteile {

QFont schrift(const QString &familie, qreal punkte, bool fett);
QFont arial(qreal punkte, bool fett = false);

// Rounds the edges, not position and size apart, so neighbours never leave a gap between them.
QRect pixel(double links, double oben, double breite, double hoehe);

struct Beschriftung
{
    QString name;
    QRect platz;
    QString text;
    QFont schrift;
    QColor textfarbe;
    QColor hintergrund = {}; // invalid: transparent, the window shows through
    bool rand = false;       // a single-line border
    Qt::Alignment ausrichtung = Qt::AlignCenter;
    QString tooltip = {};
    bool umbruch = false;
    bool pfeilzeiger = true; // false: the window's own pointer shows over the label
};

void richteEin(QLabel *l, const Beschriftung &b);

template <typename L = QLabel> L *beschriftung(QWidget *eltern, const Beschriftung &b)
{
    auto *l = new L(eltern);
    richteEin(l, b);
    return l;
}

struct Knopfdaten
{
    QString name;
    QRect platz;
    QString text;
    QColor farbe;
    QFont schrift;
    QString tooltip = {};
    QCursor zeiger = QCursor(Qt::ArrowCursor);
};

Knopf *knopf(QWidget *eltern, const Knopfdaten &k);

} // namespace Bauteile

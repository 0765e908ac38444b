#pragma once

#include <QColor>
#include <QWidget>

// A filled shape (rectangle or circle) with an outline drawn inside its bounds. Shapes take no
// events: clicks and the pointer belong to the window underneath.
class Formelement : public QWidget
{
    Q_OBJECT
public:
    enum class Art { Rechteck, Kreis };

    Formelement(Art art, QColor fuellung, QColor rand, int randbreite, QWidget *parent = nullptr);

    QColor fuellfarbe() const { return m_fuellung; }
    void setzeFuellfarbe(const QColor &farbe);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Art m_art;
    QColor m_fuellung;
    QColor m_rand;
    int m_randbreite;
};

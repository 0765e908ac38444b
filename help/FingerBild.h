#pragma once

#include "keyboard/Taste.h"

#include <QColor>
#include <QSvgRenderer>
#include <QWidget>
#include <optional>

// The whole German keyboard with every key in the colour of the finger that types it, the hands
// below and a legend. The colours come from the finger guide's key strings, so the picture and
// the finger buttons of the main window always agree.
class FingerBild : public QWidget
{
    Q_OBJECT
public:
    explicit FingerBild(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The finger (index of the finger buttons, 0..7) whose key string names `taste`; none for the
    // space bar, Enter and the picture keys.
    static std::optional<int> fingerDerTaste(Taste taste);
    static QColor fingerfarbe(int finger);
    static QColor daumenfarbe();
    static QColor ohneFingerFarbe();

    // Where key `index` of the keyboard layout is drawn, in widget coordinates.
    QRectF tastenRechteck(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTransform abbildung() const;
    void zeichneTastatur(QPainter &p) const;
    void zeichneHaende(QPainter &p) const;
    void zeichneLegende(QPainter &p) const;

    mutable QSvgRenderer m_haende; // rendering does not change the picture
};

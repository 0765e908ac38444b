#pragma once

#include "keyboard/Tastatur.h"

#include <QColor>
#include <QSvgRenderer>
#include <QWidget>

// The whole German keyboard with every key in the colour of the finger that types it, the hands
// below and a legend. The colours follow the keyboard table's fingers, the same that the finger
// buttons of the main window show, so the two always agree.
class FingerBild : public QWidget
{
    Q_OBJECT
public:
    explicit FingerBild(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colour of a finger's keys; the thumbs' and the one of keys no finger types included.
    static QColor farbe(Finger finger);

    // The picture in words, for a listener: each finger with the keys it types.
    static QString textfassung();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTransform abbildung() const;
    void zeichneTastatur(QPainter &p) const;
    void zeichneHaende(QPainter &p) const;
    void zeichneLegende(QPainter &p) const;

    mutable QSvgRenderer m_haende; // rendering does not change the picture
};

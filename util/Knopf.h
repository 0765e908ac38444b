#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

// A command button that paints its own back colour exactly, with a caption or a picture, in the
// button's current font (size, bold and underline change at run time to mark keys).
class Knopf : public QPushButton
{
    Q_OBJECT
public:
    explicit Knopf(QColor hintergrund, QWidget *parent = nullptr);

Q_SIGNALS:
    // The font changed: marking on the on-screen keyboard lives in it.
    void schriftGeaendert();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Everything the button's look depends on.
    struct Ansicht
    {
        QSize groesse;
        qreal verhaeltnis = 0;
        QString text;
        QFont schrift;
        qint64 bild = 0;
        bool gedrueckt = false;
        bool fokus = false;
        bool aktiv = false;
        QRgb textfarbe = 0;
        friend bool operator==(const Ansicht &, const Ansicht &) = default;
    };
    Ansicht ansicht() const;
    void zeichne(QPainter &p, bool gedrueckt) const;

    QColor m_hintergrund;
    QPixmap m_bild;
    Ansicht m_ansicht;
};

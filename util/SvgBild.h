#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

// A picture from a vector source, drawn at the widget's size and at the screen's pixel ratio, so
// it stays sharp on every display. Takes no mouse events: the window underneath gets them.
class SvgBild : public QWidget
{
    Q_OBJECT
public:
    explicit SvgBild(const QString &quelle, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_renderer;
    QPixmap m_bild;
};

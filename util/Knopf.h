#pragma once

#include <QColor>
#include <QPushButton>

// A command button that paints its own back colour exactly, with a caption or a picture, in the
// button's current font (size, bold and underline change at run time to mark keys).
class Knopf : public QPushButton
{
    Q_OBJECT
public:
    explicit Knopf(QColor hintergrund, QWidget *parent = nullptr);

    QColor hintergrund() const { return m_hintergrund; }

Q_SIGNALS:
    // The font changed: marking on the on-screen keyboard lives in it.
    void schriftGeaendert();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor m_hintergrund;
};

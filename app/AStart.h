#pragma once

#include "util/Steuerfeld.h"

#include <QWidget>
#include <memory>

struct Umgebung;
class Formelement;
class Knopf;
class QLabel;
class SvgBild;
class tippen;

// The welcome window the program opens with. "&Starten" opens the main window and closes this
// one for good; "&Verlassen" ends the program.
class AStart : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientBreite = 635;
    static constexpr int ClientHoehe = 474;

    explicit AStart(Umgebung &umgebung, QWidget *parent = nullptr);
    ~AStart() override;

    // The main window once "&Starten" has created it, else null.
    tippen *hauptfenster() const { return m_hauptfenster.get(); }

    // Showing the window the first time runs its load handler first.
    void setVisible(bool sichtbar) override;

protected:
    bool event(QEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    void hauptfensterVorbereiten();
    void baueSteuerelemente();
    void benenneFuerScreenreader();

    Umgebung &m_umgebung;
    std::unique_ptr<tippen> m_hauptfenster;
    bool m_geladen = false;
    bool m_vorbereitet = false;

    Steuerfeld<Formelement *, 0, 2> Shape1;
    QLabel *Label4 = nullptr;
    QLabel *Label1 = nullptr;
    SvgBild *Image2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label2 = nullptr;
    Knopf *Command1 = nullptr;
    Knopf *Command2 = nullptr;
};

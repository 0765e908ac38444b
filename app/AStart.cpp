#include "app/AStart.h"

#include "app/Stillschweigen.h"
#include "main_window/tippen.h"
#include "util/Anwendung.h"
#include "util/Bauteile.h"
#include "util/Bildschirmzeiger.h"
#include "util/Farbe.h"
#include "util/Formelement.h"
#include "util/Mauszeiger.h"
#include "util/SvgBild.h"
#include "util/Zentriere.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

using Bauteile::arial;

namespace {

constexpr QRgb Marineblau = bgr(0x00800000);

} // namespace

AStart::AStart(Umgebung &umgebung, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      m_umgebung(umgebung)
{
    setObjectName(QStringLiteral("AStart"));
    setWindowTitle(QString());
    setWindowIcon(QIcon(QStringLiteral(":/bilder/symbol_start.svg")));
    setFixedSize(ClientBreite, ClientHoehe);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(bgr(0x00D5ECF2)));
    farben.setColor(QPalette::WindowText, QColor(bgr(0x00C0C0C0)));
    setPalette(farben);
    setFont(arial(8.25, true));
    setCursor(Mauszeiger::zeigeHandStart());

    baueSteuerelemente();
    benenneFuerScreenreader();
    setTabOrder(Command1, Command2);
    Command1->setFocus(Qt::OtherFocusReason);

    connect(Command1, &QPushButton::clicked, this, &AStart::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AStart::Command2_Click);
}

AStart::~AStart() = default;

void AStart::baueSteuerelemente()
{
    const QColor navy(Marineblau);
    const QRect linien[] = {{1, 2, 633, 4}, {0, 464, 633, 4}, {-8, 416, 641, 4}};
    for (int i = 0; i <= 2; ++i) {
        Shape1[i] = new Formelement(Formelement::Art::Rechteck, navy, navy, 1, this);
        Shape1[i]->setObjectName(QStringLiteral("Shape1_%1").arg(i));
        Shape1[i]->setGeometry(linien[i]);
    }

    const QColor knopftext = palette().color(QPalette::ButtonText);
    const QFont fensterschrift = font();
    // Texts stand centred at the top of their boxes and wrap; the window shows through.
    auto beschriftung = [this](const char *name, const QString &text, QRect platz, QColor farbe,
                               const QFont &schrift) {
        return Bauteile::beschriftung(this, {QLatin1String(name),
                                             platz,
                                             text,
                                             schrift,
                                             farbe,
                                             {},
                                             false,
                                             Qt::AlignHCenter | Qt::AlignTop,
                                             {},
                                             true,
                                             false});
    };
    const QFont titel = arial(14.25, true);

    Label4 = beschriftung("Label4",
                          QStringLiteral("Herzlich willkommen beim 10-Finger Fingalo,\n"
                                         "dem Tipptrainer für alle zehn Finger – 2019 bis 2026"),
                          {56, 24, 537, 73}, QColor(bgr(0x000000FF)), arial(12, true));
    Label1 =
        beschriftung("Label1",
                     QStringLiteral("Fingalo begann 2019 als kleines Übungsprogramm für den "
                                    "Unterricht. Mit jeder Version ist es gewachsen, und es "
                                    "bleibt, was es von Anfang an war: kostenlos, ohne Werbung "
                                    "und ohne Anmeldung."),
                     {8, 80, 201, 145}, knopftext, fensterschrift);
    Image2 = new SvgBild(QStringLiteral(":/bilder/titelbild.svg"), this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(216, 80, 401, 287);
    Label5 =
        beschriftung("Label5",
                     QStringLiteral("Warum zehn Finger? Wer blind schreibt, schaut auf den Text "
                                    "statt auf die Tasten, schreibt schneller und macht "
                                    "weniger Fehler. Eine Viertelstunde am Tag genügt: Nach "
                                    "wenigen Wochen finden die Finger ihre Tasten von allein."),
                     {8, 208, 201, 177}, knopftext, fensterschrift);
    Label6 = beschriftung(
        "Label6",
        QStringLiteral("Ein Programm vom Fingalo-Team aus Lüneburg  ·  fingalo.example.org"),
        {0, 376, 633, 25}, QColor(bgr(0x003E6280)), arial(9.75, true));
    Label2 = beschriftung("Label2", QStringLiteral("Version"), {0, 392, 633, 25},
                          QColor(bgr(0x00FF0000)), titel);

    auto knopf = [this, &titel](const char *name, const QString &text, int links, int breite,
                                const QString &tipp) {
        Knopf *k =
            Bauteile::knopf(this, {QLatin1String(name), QRect(links, 424, breite, 33), text,
                                   QColor(bgr(0x00FF8080)), titel, tipp, Mauszeiger::zeigeHand()});
        // Enter on the focused button clicks it, as Space does.
        k->setAutoDefault(true);
        return k;
    };
    Command1 = knopf("Command1", QStringLiteral("&Starten"), 240, 161,
                     QStringLiteral("  PROGRAMMSTART  "));
    Command2 = knopf("Command2", QStringLiteral("&Verlassen"), 472, 153,
                     QStringLiteral("  Programm nicht starten  "));
}

void AStart::benenneFuerScreenreader()
{
    // The window has no caption; a listener still hears whose window it is.
    setAccessibleName(Anwendung::titel());
    setAccessibleDescription(QStringLiteral("Willkommen"));
    for (Formelement *linie : Shape1)
        linie->setAccessibleName(QStringLiteral("Trennlinie"));
    // The texts are read as they stand; what each is goes into its description.
    Label4->setAccessibleDescription(QStringLiteral("Begrüßung"));
    Label1->setAccessibleDescription(QStringLiteral("Über das Programm"));
    Label5->setAccessibleDescription(QStringLiteral("Warum zehn Finger"));
    Label6->setAccessibleDescription(QStringLiteral("Herausgeber"));
    Label2->setAccessibleDescription(QStringLiteral("Programmname und Version"));
    Image2->setAccessibleName(QStringLiteral("Titelbild"));
    Image2->setAccessibleDescription(
        QStringLiteral("Eine Hand hält eine Computertastatur über einen Brief, darüber der Titel"));
    Command1->setAccessibleDescription(QStringLiteral("Öffnet das Übungsfenster"));
    Command2->setAccessibleDescription(QStringLiteral("Beendet das Programm, ohne zu starten"));
}

void AStart::setVisible(bool sichtbar)
{
    if (sichtbar && !m_geladen)
        Form_Load();
    QWidget::setVisible(sichtbar);
}

void AStart::Form_Load()
{
    m_geladen = true;
    Zentriere(this, Platzierung::Mitte);
    setzeBildschirmzeiger(Bildschirmzeiger::Standard);
    Label2->setText(QStringLiteral("10-Finger Fingalo 3"));
}

bool AStart::event(QEvent *ereignis)
{
    const bool ergebnis = QWidget::event(ereignis);
    if (ereignis->type() == QEvent::Paint && !m_vorbereitet) {
        m_vorbereitet = true;
        // While the learner reads this window, the main window is built, so that "&Starten"
        // only has to show it. Queued: this window's first frame comes first.
        QMetaObject::invokeMethod(this, &AStart::hauptfensterVorbereiten, Qt::QueuedConnection);
    }
    return ergebnis;
}

void AStart::hauptfensterVorbereiten()
{
    const Stillschweigen stumm;
    if (!m_hauptfenster)
        m_hauptfenster = std::make_unique<tippen>(m_umgebung);
    m_hauptfenster->vorbereiten();
}

void AStart::Command1_Click()
{
    if (!m_hauptfenster)
        m_hauptfenster = std::make_unique<tippen>(m_umgebung);
    m_hauptfenster->Show();
    close();
}

void AStart::Command2_Click()
{
    m_umgebung.beenden();
}

void AStart::keyPressEvent(QKeyEvent *event)
{
    // "&Verlassen" is the window's cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command2->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

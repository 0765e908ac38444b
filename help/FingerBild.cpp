#include "help/FingerBild.h"
#include "util/Bilder.h"

#include "keyboard/Fingertasten.h"
#include "keyboard/TastenCode.h"
#include "main_window/Tastaturlayout.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The picture is laid out on a fixed canvas and scaled to the widget as a whole.
constexpr QSizeF Leinwand(860, 510);
// The keyboard uses the main window's key positions, shifted so that it starts at the top left.
constexpr QPointF TastaturVersatz(-14, -278);
constexpr QRectF HaendeFlaeche(329, 318, 202, 133);
constexpr qreal MarkerGroesse = 17;

// Left little to left index, right index to right little: the order of the markers on the hands.
constexpr std::array<QRgb, Fingertasten::AnzahlFinger> Farben{
    0xFFB7E4A0, // 0 left index
    0xFFF6EC8F, // 1 left middle
    0xFFF9D08B, // 2 left ring
    0xFFF4A6A6, // 3 left little
    0xFFEBB3DA, // 4 right little
    0xFFC9B5EC, // 5 right ring
    0xFFA9C8F0, // 6 right middle
    0xFF9ED9D0, // 7 right index
};

constexpr const char16_t *Namen[Fingertasten::AnzahlFinger] = {
    u"Linker Zeigefinger",    u"Linker Mittelfinger",    u"Linker Ringfinger",
    u"Linker kleiner Finger", u"Rechter kleiner Finger", u"Rechter Ringfinger",
    u"Rechter Mittelfinger",  u"Rechter Zeigefinger",
};

// Marker positions over the hands picture, as in the main window (left little .. right little).
constexpr QPointF MarkerPlatz[10] = {{0, 40},   {8, 16},  {24, 0},  {48, 0},   {80, 32},
                                     {104, 32}, {136, 0}, {160, 0}, {172, 16}, {184, 40}};

QString text(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

FingerBild::FingerBild(QWidget *parent) : QWidget(parent)
{
    bilderBereitstellen();
    m_haende.load(QStringLiteral(":/bilder/haende.svg"));
    setObjectName(QStringLiteral("FingerBild"));
    setAccessibleName(QStringLiteral("Finger im Bild"));
    setAccessibleDescription(QStringLiteral(
        "Die Tastatur mit jeder Taste in der Farbe des Fingers, der sie anschlägt, darunter die "
        "Hände und die Legende der Finger"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize FingerBild::sizeHint() const
{
    return Leinwand.toSize();
}

QSize FingerBild::minimumSizeHint() const
{
    return (Leinwand / 2).toSize();
}

std::optional<int> FingerBild::fingerDerTaste(Taste taste)
{
    for (int finger = 0; finger < Fingertasten::AnzahlFinger; ++finger) {
        for (char16_t zeichen : Fingertasten::Tabelle[std::size_t(finger)].tasten) {
            if (TastenCode::tasteFuer(zeichen) == taste)
                return finger;
        }
    }
    return std::nullopt;
}

QColor FingerBild::fingerfarbe(int finger)
{
    if (finger < 0 || finger >= Fingertasten::AnzahlFinger)
        return ohneFingerFarbe();
    return QColor::fromRgb(Farben[std::size_t(finger)]);
}

QColor FingerBild::daumenfarbe()
{
    return QColor(0xE8, 0xDC, 0xC6);
}

QColor FingerBild::ohneFingerFarbe()
{
    return QColor(0xF2, 0xF2, 0xF2);
}

QTransform FingerBild::abbildung() const
{
    const qreal mass = qMin(width() / Leinwand.width(), height() / Leinwand.height());
    const QPointF rand((width() - Leinwand.width() * mass) / 2,
                       (height() - Leinwand.height() * mass) / 2);
    return QTransform::fromTranslate(rand.x(), rand.y()).scale(mass, mass);
}

QRectF FingerBild::tastenRechteck(int index) const
{
    if (index < 0 || index >= Tastaturlayout::AnzahlTasten)
        return {};
    const Tastenplatz &t = Tastaturlayout::Tabelle[std::size_t(index)];
    const QRectF leinwand(QPointF(t.links, t.oben) + TastaturVersatz, QSizeF(t.breite, t.hoehe));
    return abbildung().mapRect(leinwand);
}

void FingerBild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setTransform(abbildung());
    zeichneTastatur(p);
    zeichneHaende(p);
    zeichneLegende(p);
}

void FingerBild::zeichneTastatur(QPainter &p) const
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(18);
    p.setFont(schrift);
    for (const Tastenplatz &t : Tastaturlayout::Tabelle) {
        const QRectF r(QPointF(t.links, t.oben) + TastaturVersatz, QSizeF(t.breite, t.hoehe));
        const std::optional<int> finger = fingerDerTaste(t.taste);
        QColor farbe = finger ? fingerfarbe(*finger) : ohneFingerFarbe();
        if (t.taste.feld == Tastenfeld::LeerTaste)
            farbe = daumenfarbe();
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(farbe);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        p.setPen(Qt::black);
        if (!t.bild.empty()) {
            QSvgRenderer glyphe(QString::fromUtf16(t.bild.data(), qsizetype(t.bild.size())));
            QRectF ziel(QPointF(), glyphe.defaultSize());
            ziel.moveCenter(r.center());
            glyphe.render(&p, ziel);
        } else {
            const QString beschriftung =
                t.taste.feld == Tastenfeld::LeerTaste
                    ? QString()
                    : QString::fromUtf16(t.beschriftung.data(), qsizetype(t.beschriftung.size()));
            QFont klein = schrift;
            if (beschriftung.size() > 1)
                klein.setPixelSize(15);
            p.setFont(klein);
            p.drawText(r, Qt::AlignCenter, beschriftung);
            p.setFont(schrift);
        }
    }
}

void FingerBild::zeichneHaende(QPainter &p) const
{
    m_haende.render(&p, HaendeFlaeche);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    for (int marker = 0; marker < 10; ++marker) {
        QColor farbe = daumenfarbe();
        for (int finger = 0; finger < Fingertasten::AnzahlFinger; ++finger) {
            if (Fingertasten::Tabelle[std::size_t(finger)].roterMarker == marker)
                farbe = fingerfarbe(finger);
        }
        p.setBrush(farbe);
        p.drawEllipse(QRectF(HaendeFlaeche.topLeft() + MarkerPlatz[marker],
                             QSizeF(MarkerGroesse, MarkerGroesse)));
    }
}

void FingerBild::zeichneLegende(QPainter &p) const
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(14);
    p.setFont(schrift);
    const qreal zeilenabstand = 24;
    auto eintrag = [&](QPointF ort, const QColor &farbe, const QString &name, bool rechtsbuendig) {
        const QRectF feld(rechtsbuendig ? ort.x() - 18 : ort.x(), ort.y(), 18, 18);
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(farbe);
        p.drawRoundedRect(feld, 3, 3);
        p.setPen(palette().color(QPalette::Text));
        const QRectF textFeld = rechtsbuendig ? QRectF(feld.left() - 228, ort.y(), 220, 18)
                                              : QRectF(feld.right() + 8, ort.y(), 220, 18);
        p.drawText(textFeld, Qt::AlignVCenter | (rechtsbuendig ? Qt::AlignRight : Qt::AlignLeft),
                   name);
    };
    // Left hand beside the left hand, little finger on top as on the keyboard's left edge.
    const int linke[] = {3, 2, 1, 0};
    const int rechte[] = {7, 6, 5, 4};
    for (int i = 0; i < 4; ++i) {
        eintrag({HaendeFlaeche.left() - 24, HaendeFlaeche.top() + 6 + i * zeilenabstand},
                fingerfarbe(linke[i]), text(Namen[linke[i]]), true);
        eintrag({HaendeFlaeche.right() + 24, HaendeFlaeche.top() + 6 + i * zeilenabstand},
                fingerfarbe(rechte[i]), text(Namen[rechte[i]]), false);
    }
    const QPointF daumen(HaendeFlaeche.center().x() - 90, HaendeFlaeche.bottom() + 24);
    eintrag(daumen, daumenfarbe(), QStringLiteral("Daumen: die Leertaste"), false);
}

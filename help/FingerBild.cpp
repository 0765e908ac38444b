#include "help/FingerBild.h"

#include "keyboard/Finger.h"
#include "keyboard/Tastatur.h"
#include "keyboard/Zeichenansage.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace {

// The picture is laid out on a fixed canvas and scaled to the widget as a whole.
constexpr QSizeF Leinwand(860, 510);
// The keyboard uses the main window's key positions, shifted so that it starts at the top left.
constexpr QPointF TastaturVersatz(-14, -278);
constexpr QRectF HaendeFlaeche(329, 318, 202, 133);
constexpr qreal MarkerGroesse = 17;

// Indexed like the finger buttons.
constexpr std::array<QRgb, Fingerfuehrung::AnzahlFinger> Farben{
    0xFFB7E4A0, // 0 left index
    0xFFF6EC8F, // 1 left middle
    0xFFF9D08B, // 2 left ring
    0xFFF4A6A6, // 3 left little
    0xFFEBB3DA, // 4 right little
    0xFFC9B5EC, // 5 right ring
    0xFFA9C8F0, // 6 right middle
    0xFF9ED9D0, // 7 right index
};

} // namespace

FingerBild::FingerBild(QWidget *parent) : QWidget(parent)
{
    m_haende.load(QStringLiteral(":/bilder/haende.svg"));
    setObjectName(QStringLiteral("FingerBild"));
    setAccessibleName(QStringLiteral("Finger im Bild"));
    setAccessibleDescription(textfassung());
    // A listener reaches the picture with Tab and hears it as a table of fingers and keys.
    setFocusPolicy(Qt::StrongFocus);
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

QString FingerBild::textfassung()
{
    // The fingers as the legend lists them: the left hand from the little finger in, then the
    // right hand from the index finger out, then the thumbs.
    const Finger reihe[] = {Finger::LinksKlein, Finger::LinksRing,   Finger::LinksMittel,
                            Finger::LinksZeige, Finger::RechtsZeige, Finger::RechtsMittel,
                            Finger::RechtsRing, Finger::RechtsKlein};
    QStringList zeilen{
        QStringLiteral("Die Tastatur mit jeder Taste in der Farbe des Fingers, der sie anschlägt")};
    for (Finger f : reihe)
        zeilen << Fingerfuehrung::daten(f).name.toString() + QStringLiteral(", ") +
                      Zeichenansage::tasten(Tastatur::fingerTasten(f));
    zeilen << QStringLiteral("Daumen, die Leertaste");
    return zeilen.join(QStringLiteral(". ")) + u'.';
}

QColor FingerBild::farbe(Finger finger)
{
    if (finger == Finger::Daumen)
        return QColor(0xE8, 0xDC, 0xC6);
    if (finger == Finger::Keiner)
        return QColor(0xF2, 0xF2, 0xF2);
    return QColor::fromRgb(Farben[std::size_t(finger)]);
}

QTransform FingerBild::abbildung() const
{
    const qreal mass = qMin(width() / Leinwand.width(), height() / Leinwand.height());
    const QPointF rand((width() - Leinwand.width() * mass) / 2,
                       (height() - Leinwand.height() * mass) / 2);
    return QTransform::fromTranslate(rand.x(), rand.y()).scale(mass, mass);
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
    for (const Tastendaten &t : Tastatur::Tabelle) {
        const QRectF r(QPointF(t.links, t.oben) + TastaturVersatz, QSizeF(t.breite, t.hoehe));
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        p.setBrush(farbe(t.finger));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        p.setPen(Qt::black);
        if (!t.bild.isEmpty()) {
            QSvgRenderer glyphe(t.bild.toString());
            QRectF ziel(QPointF(), glyphe.defaultSize());
            ziel.moveCenter(r.center());
            glyphe.render(&p, ziel);
        } else {
            // The space bar is drawn blank, the thumbs' key needs no word.
            const QString beschriftung = t.taste.feld == Tastenfeld::LeerTaste
                                             ? QString()
                                             : Tastatur::entwurfsbeschriftung(t);
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
    for (int marker = 0; marker < Fingerfuehrung::AnzahlMarker; ++marker) {
        Finger finger = Finger::Daumen;
        for (const Fingerdaten &f : Fingerfuehrung::Fingertabelle) {
            if (f.roterMarker == marker)
                finger = f.finger;
        }
        p.setBrush(farbe(finger));
        // Where the marker sits over the hands in the main window, here over the drawn hands.
        const QPoint versatz = Fingerfuehrung::Markertabelle[std::size_t(marker)].platz -
                               Fingerfuehrung::HaendeLinksOben;
        p.drawEllipse(
            QRectF(HaendeFlaeche.topLeft() + versatz, QSizeF(MarkerGroesse, MarkerGroesse)));
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
    const Finger linke[] = {Finger::LinksKlein, Finger::LinksRing, Finger::LinksMittel,
                            Finger::LinksZeige};
    const Finger rechte[] = {Finger::RechtsZeige, Finger::RechtsMittel, Finger::RechtsRing,
                             Finger::RechtsKlein};
    for (int i = 0; i < 4; ++i) {
        eintrag({HaendeFlaeche.left() - 24, HaendeFlaeche.top() + 6 + i * zeilenabstand},
                farbe(linke[i]), Fingerfuehrung::daten(linke[i]).name.toString(), true);
        eintrag({HaendeFlaeche.right() + 24, HaendeFlaeche.top() + 6 + i * zeilenabstand},
                farbe(rechte[i]), Fingerfuehrung::daten(rechte[i]).name.toString(), false);
    }
    const QPointF daumen(HaendeFlaeche.center().x() - 90, HaendeFlaeche.bottom() + 24);
    eintrag(daumen, farbe(Finger::Daumen), QStringLiteral("Daumen: die Leertaste"), false);
}

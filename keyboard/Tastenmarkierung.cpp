#include "keyboard/Tastenmarkierung.h"

#include "keyboard/TastenCode.h"

#include <QWidget>

namespace Tastenmarkierung {

namespace {

void setze(QWidget *knopf, Art art, bool an, qreal punkte)
{
    if (!knopf)
        return;
    QFont schrift = knopf->font();
    if (art == Art::Fett)
        schrift.setBold(an);
    else
        schrift.setUnderline(an);
    schrift.setPointSizeF(punkte);
    knopf->setFont(schrift);
}

} // namespace

void markiere(const Tastenzugriff &taste, QStringView tastenCode, Art art)
{
    for (const Taste &t : TastenCode::Ruecksetzfolge)
        setze(taste(t), art, false,
              t.istZeichentaste() ? ZeichentasteNormal : FunktionstasteNormal);

    for (const QChar c : tastenCode) {
        if (const auto t = TastenCode::tasteFuer(c.unicode()))
            setze(taste(*t), art, true,
                  t->istZeichentaste() ? ZeichentasteMarkiert : FunktionstasteMarkiert);
    }
}

} // namespace Tastenmarkierung

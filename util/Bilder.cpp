#include "util/Bilder.h"

#include <QtGlobal>

static void registriere()
{
    Q_INIT_RESOURCE(resources);
}

void bilderBereitstellen()
{
    static const bool bereit = [] {
        registriere();
        return true;
    }();
    Q_UNUSED(bereit)
}

#include "ResourceInit.h"

#include <QtCore/qglobal.h>
#include <QtCore/qresource.h>

// The initialisers that rcc generates live in the global namespace.
static void InitArdentixResources()
{
    Q_INIT_RESOURCE(ardentix);
    Q_INIT_RESOURCE(resources_translations);
}

void RegisterResources()
{
    InitArdentixResources();
}

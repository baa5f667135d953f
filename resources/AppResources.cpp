#include "AppResources.h"

#include <QtGlobal>

void loadAppResources()
{
    Q_INIT_RESOURCE(resources);
}

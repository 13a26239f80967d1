#include "utilities/utilitieswindow.h"

#include "common/dialogs.h"

void openUtilitiesWindow(int)
{
    dialogs().message(
        QStringLiteral("Info"), QStringLiteral("Cette fenêtre n'est pas encore disponible dans cette version."));
}

#include "treasury/treasurywindow.h"

#include "common/dialogs.h"

void openTreasuryWindow(int)
{
    dialogs().message(
        QStringLiteral("Info"), QStringLiteral("Cette fenêtre n'est pas encore disponible dans cette version."));
}

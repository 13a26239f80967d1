#include "journals/journalswindow.h"

#include "common/dialogs.h"

void openJournalsWindow(int)
{
    dialogs().message(
        QStringLiteral("Info"), QStringLiteral("Cette fenêtre n'est pas encore disponible dans cette version."));
}

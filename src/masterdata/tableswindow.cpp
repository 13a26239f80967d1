#include "masterdata/tableswindow.h"

void openTablesWindow(int) {}

#include "stock/stockwindow.h"

void openStockWindow(int) {}

#pragma once

// Opens the stock-movement window on tab 0..7 and returns when the user leaves it.
void openStockWindow(int screen);

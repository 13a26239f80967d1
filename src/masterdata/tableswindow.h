#pragma once

// Opens the tables window on screen 0 (products), 1 (clients) or 2 (suppliers) and returns
// when the user leaves it.
void openTablesWindow(int screen);

#pragma once

// Opens the treasury window on screen 0..8 and returns when the user leaves it.
void openTreasuryWindow(int screen);

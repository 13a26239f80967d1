#pragma once

// Opens the journals window on screen 0..6 and returns when the user leaves it.
void openJournalsWindow(int screen);

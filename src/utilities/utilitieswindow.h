#pragma once

// Opens the utilities window on screen 0..3 and returns when the user leaves it.
void openUtilitiesWindow(int screen);

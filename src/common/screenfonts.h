#pragma once

#include <QFont>

// The screen fonts by number, as every window refers to them.
namespace ScreenFont {
enum : int {
    Arial8 = 0,
    Arial9 = 1,
    Trebuchet8 = 7,
    TrebuchetBold8 = 14,
    Title = 17, // "ms trebuchet" 11 points bold
    VerdanaBold10 = 21,
    Count = 22,
};
}

void loadScreenFonts();
// Font n; loads the fonts on first use.
const QFont &screenFont(int number);

#pragma once
#include <QPixmap>
namespace pictures {
enum : int { Login = 0, Main = 1, DocumentHeader = 99, FirstToolButton = 100, LastToolButton = 118, Tile = 119 };
// Paints every picture once; needs a QGuiApplication. Later calls do nothing.
void preparePictures();
// The picture by number (0, 1, 99, 100..119); a null pixmap for any other number.
const QPixmap &picture(int number);
} // namespace pictures

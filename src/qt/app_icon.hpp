// The program's icon, drawn from a few shapes so no artwork file is needed.
#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace kestrel::qt {

// A bird of prey with spread wings over a shield, `size` pixels square.
// The image needs no display, so the build draws the installed icons with it.
QImage appIconImage(int size);
QPixmap appIconPixmap(int size);
// Both sizes the window decorations use: 32x32 and 16x16.
QIcon appIcon();

}  // namespace kestrel::qt

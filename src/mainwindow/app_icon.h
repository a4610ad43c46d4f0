#pragma once
// The application icon.
#include <QIcon>

namespace mainwindow {

// The application icon: the 16-colour 32 × 32 picture, with larger sizes
// for desktops that show more.
QIcon AppIcon();

}  // namespace mainwindow

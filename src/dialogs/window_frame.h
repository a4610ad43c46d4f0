#pragma once
// The frame every secondary window shares: a fixed-size dialog border without
// minimise or maximise box, a client area laid out in twips, the program's
// caption, and a place in the middle of the screen.
class QWidget;

namespace dialogs {

// Turns a widget, parentless or owned by the main window, into such a
// window with the given client area.
void SetFixedDialogFrame(QWidget* window, int clientWidthTwips, int clientHeightTwips);

// Puts the window's outer frame in the middle of the screen it is on (the
// primary screen before it is shown). Halves are taken in single precision.
void CentreOnScreen(QWidget* window);

// Shows the window, or brings it forward when it is already on screen.
void ShowOrBringForward(QWidget* window);

}  // namespace dialogs

#pragma once
// The fixed dialog frame every window of the program has: a title and a
// close box, no resizing, no minimise or maximise box, never full screen.
#include <Qt>

class QWidget;

namespace platform {

// Window flags for such a frame, of type Qt::Window or Qt::Dialog. Qt turns
// them into Motif hints without the minimise and maximise functions, which
// KWin, Mutter and xfwm follow; the fixed size (the caller's) takes resizing
// and maximising away everywhere.
Qt::WindowFlags FixedFrameFlags(Qt::WindowType type);

// Brings the window straight back to its normal state whenever the window
// manager minimises, maximises or fills the screen with it. Openbox offers
// minimise and full screen to every ordinary window and dialog whatever its
// hints say, and minimising a message box there hides the whole program
// behind it.
void KeepNormalState(QWidget* window);

}  // namespace platform

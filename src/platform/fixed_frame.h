#pragma once
// The fixed dialog frame every window of the program has: a title and a
// close box, no resizing, no minimise or maximise box, never full screen.
#include <Qt>

class QWidget;

namespace platform {

// Window flags for such a frame, of type Qt::Window or Qt::Dialog. Qt turns
// them into Motif hints without the minimise and maximise functions, which
// KWin, Mutter and xfwm follow; the fixed size (the caller's) takes resizing
// and maximising away wherever the window manager draws the frame. What the
// window manager does with the window all the same (openbox minimises any
// window, a "show desktop" hides them all) stays as it decides.
Qt::WindowFlags FixedFrameFlags(Qt::WindowType type);

// On Wayland, lets the window take a maximise or full screen asked of it:
// Qt's own title bar offers a maximise box whatever the flags say, and a
// compositor ends the connection of a window that keeps a fixed size in
// such a state. The window takes the size the state comes with for as long
// as it lasts (its contents stay as they are), and is back at its own when
// the player restores it. Minimising, and every state elsewhere, stays as
// the window manager decides.
void AnswerMaximiseOnWayland(QWidget* window);

}  // namespace platform

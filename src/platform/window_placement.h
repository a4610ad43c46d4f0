#pragma once
// Placing top-level windows: the frame the window manager will put around
// one, and a client area that fits the screen with that frame.
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// The frame Qt knows around the window's client area: none until the window
// has been framed, which on X11 is once it is shown.
QMargins KnownFrame(const QWidget* window);

// The frame around the window's client area still to be allowed for. On
// X11 it is known only once the window manager has framed the window; until
// then a window that is already framed (the main window) tells what it will
// be. Nothing once Qt knows the window's own frame.
QMargins ExpectedFrame(const QWidget* window);

// The client rectangle of a window that would like the size wanted: no
// larger than the area less the frame, and with its frame in the middle of
// the area.
QRect FitCentred(QSize wanted, QMargins frame, QRect area);

// Sizes and places a window that has not been shown yet with FitCentred on
// its screen's free area. Its minimum size gives way where the screen is
// smaller, as at a large scale factor: a squeezed window beats one whose
// buttons are out of reach.
void PlaceFittedCentred(QWidget* window, QSize wanted);

}  // namespace platform

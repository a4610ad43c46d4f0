#pragma once
// Whether a window can be opened at all, asked before the application is
// built: Qt aborts when no platform plugin finds its display, and a player
// who started the game from a console without a desktop deserves one line
// saying so instead.

namespace platform {

// True when a display the chosen Qt platform would use answers, or when the
// platform is one that needs none (offscreen, a framebuffer, VNC). Otherwise
// tells why on stderr, in one line, and gives false: the caller ends with
// status 1.
bool DisplayReachable();

}  // namespace platform

#pragma once
// A screen reader sees each key before the program does: Qt's bridge holds
// the key and sends it again once the reader has let it through. An Alt
// sent again that way can come after the real one has already opened the
// menu bar, which then takes it for a second Alt and closes again.
class QObject;

namespace mainwindow {

// From now until `owner` goes, only the keyboard's own Alt works the menu
// bar.
void IgnoreReplayedAlt(QObject* owner);

}  // namespace mainwindow

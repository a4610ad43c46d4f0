#pragma once
// The "画像" menu: choosing the picture the next game is cut from.
#include <string>

#include "mainwindow/session.h"

class QWidget;

namespace platform {
class Services;
}

namespace mainwindow {

// "画像選択": any BMP, JPEG or GIF file, picked in the open-file dialog that
// starts in the current folder. Cancelling changes nothing; a file that does
// not load leaves the picture and PictureLoaded as they were, silently,
// with PicturePath naming it.
void m2a_Click(Session& session, platform::Services& services, QWidget* owner);

// A picture file chosen another way than in the dialog (dropped on the main
// window, or named on the command line), taken exactly as if it had been
// chosen there: refused while a game is on, otherwise loaded, and a file
// that does not load leaves only its path in PicturePath. The path is the
// file system's bytes.
void ChoosePictureFile(Session& session, platform::Services& services, const std::string& path);

// "パンチラ" and "ねまき": the built-in pictures pantira.jpg and nemaki.jpg of
// the program's folder. If the file is missing or does not load, the player
// is told so and only PicturePath changes.
void m2b_Click(Session& session, platform::Services& services);
void m2c_Click(Session& session, platform::Services& services);

}  // namespace mainwindow

#include "mainwindow/picture_select.h"

#include <QDir>
#include <QFile>
#include <optional>

#include "engine/data_files.h"
#include "engine/texts.h"
#include "mainwindow/board_size.h"
#include "platform/open_file_dialog.h"
#include "platform/picture_loader.h"
#include "platform/services.h"

namespace mainwindow {
namespace {

// All three commands refuse while a board is out.
bool RefusedDuringGame(const engine::GameState& state, platform::Services& services) {
    if (state.DivCount == 0) return false;
    services.MsgBox(engine::text::kGameRunning, platform::MsgButtons::Ok, engine::text::kErrorTitle);
    return true;
}

// A large photo takes a noticeable time to decode, and the window takes no
// input meanwhile: the cursor shows that the program works.
std::optional<QImage> LoadUnderWaitCursor(const std::string& path, platform::Services& services) {
    platform::BusyCursor busy(services);
    return platform::LoadPicture(path, kBoardSize);
}

// Both built-in pictures take the same road; only the file name differs.
void ChooseBuiltIn(Session& session, platform::Services& services, const char* fileName) {
    engine::GameState& state = session.state;
    if (RefusedDuringGame(state, services)) return;
    state.PicturePath = session.globals.AppDir + fileName;
    std::optional<QImage> picture = LoadUnderWaitCursor(state.PicturePath, services);
    if (!picture) {
        services.MsgBox(engine::text::kPictureUnreadable, platform::MsgButtons::Ok, engine::text::kErrorTitle);
        return;
    }
    session.picture1 = std::move(*picture);
    state.PictureLoaded = 1;
}

// The dialog's file types: each description and each pattern followed by a
// NUL, and one more NUL closing the list.
std::string PictureFileFilter() {
    using namespace std::string_literals;
    return "ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)\0*.bmp\0"s
           "JPEGｲﾒｰｼﾞ(*.jpg)\0*.jpg\0"s
           "GIFｲﾒｰｼﾞ(*.gif)\0*.gif\0"s
           "\0"s;
}

}  // namespace

void m2a_Click(Session& session, platform::Services& services, QWidget* owner) {
    engine::GameState& state = session.state;
    if (RefusedDuringGame(state, services)) return;
    const std::string chosen =
        platform::OpenFileDlg(services, owner, PictureFileFilter(),
                              QFile::encodeName(QDir::currentPath()).toStdString(), engine::text::kPictureDialogTitle);
    // Cancelling keeps the picture already chosen, so a game can never start
    // on an empty one.
    if (chosen.empty()) return;
    ChoosePictureFile(session, services, chosen);
}

void ChoosePictureFile(Session& session, platform::Services& services, const std::string& path) {
    engine::GameState& state = session.state;
    if (RefusedDuringGame(state, services)) return;
    state.PicturePath = path;
    std::optional<QImage> picture = LoadUnderWaitCursor(state.PicturePath, services);
    if (!picture) return;
    session.picture1 = std::move(*picture);
    state.PictureLoaded = 1;
}

void m2b_Click(Session& session, platform::Services& services) {
    ChooseBuiltIn(session, services, engine::file::kPantira);
}

void m2c_Click(Session& session, platform::Services& services) {
    ChooseBuiltIn(session, services, engine::file::kNemaki);
}

}  // namespace mainwindow

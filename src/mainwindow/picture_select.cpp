#include "mainwindow/picture_select.h"

#include <QDir>
#include <optional>

#include "engine/msgbox_codes.h"
#include "platform/msgbox.h"
#include "platform/open_file_dialog.h"
#include "platform/picture_loader.h"

namespace mainwindow {
namespace {

constexpr char kErrorTitle[] = "エラー";

// All three commands refuse while a board is out.
bool RefusedDuringGame(const engine::GameState& state) {
    if (state.DivCount == 0) return false;
    platform::MsgBox("ゲームが開始されていますので選択できません。", engine::vbOKOnly, kErrorTitle);
    return true;
}

// Both built-in pictures take the same road; only the file name differs.
void ChooseBuiltIn(engine::GameState& state, const engine::Globals& globals, QImage& picture1, const char* fileName) {
    if (RefusedDuringGame(state)) return;
    state.PicturePath = globals.AppDir + fileName;
    std::optional<QImage> picture = platform::LoadPicture(state.PicturePath);
    if (!picture) {
        platform::MsgBox("画像を読み込めませんでした。", engine::vbOKOnly, kErrorTitle);
        return;
    }
    picture1 = std::move(*picture);
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

void m2a_Click(engine::GameState& state, QImage& picture1, QWidget* owner) {
    if (RefusedDuringGame(state)) return;
    const std::string chosen =
        platform::OpenFileDlg(owner, PictureFileFilter(), QDir::currentPath().toStdString(), "画像ファイルの選択");
    // Cancelling keeps the picture already chosen, so a game can never start
    // on an empty one.
    if (chosen.empty()) return;
    state.PicturePath = chosen;
    std::optional<QImage> picture = platform::LoadPicture(state.PicturePath);
    if (!picture) return;
    picture1 = std::move(*picture);
    state.PictureLoaded = 1;
}

void m2b_Click(engine::GameState& state, const engine::Globals& globals, QImage& picture1) {
    ChooseBuiltIn(state, globals, picture1, "pantira.jpg");
}

void m2c_Click(engine::GameState& state, const engine::Globals& globals, QImage& picture1) {
    ChooseBuiltIn(state, globals, picture1, "nemaki.jpg");
}

}  // namespace mainwindow

#pragma once
// Form1: the main window, its menu tree, the board it shows and the windows
// it opens. The game itself is engine::Game, which this window owns and
// shows. menu_tree.cpp is the key from each menu caption to its handler.
#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "dialogs/owned_window.h"
#include "engine/game.h"
#include "mainwindow/move_painting_sound.h"
#include "mainwindow/picture_select.h"
#include "sound/bgm_switch.h"

namespace platform {
class HelpViewer;
class Services;
}  // namespace platform
namespace dialogs {
class AboutWindow;
class OptionsWindow;
}  // namespace dialogs

namespace mainwindow {

class Announcer;
class PictureView;
class TileWidget;

class Form1 final : public QMainWindow, private engine::WindowPort, private sound::BgmMenu {
public:
    Form1(engine::SoundPort& sound, engine::RandomSource& random, platform::Services& services);
    ~Form1() override;

    // Menu commands handled by the window itself; the others go straight to
    // the engine, the picture choice or the sound switch (menu_tree.cpp).
    void m2a_Click();
    void m6_Click();
    void m8_Click();
    void m5a_Click();
    void m5b_Click();

    // The game this window shows, and the picture the next game is cut from.
    engine::Game& Game() { return game_; }
    PictureSelect& Pictures() { return pictures_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // An arrow key presses the tile beside the gap that would move that way.
    void keyPressEvent(QKeyEvent* event) override;
    // One local picture file dropped on the window is chosen as in "画像選択".
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildDesign();
    void BuildMenu();
    void Form_Load();
    void Form_Unload();
    TileWidget* Tile(int16_t index) const;

    // The board's tiles, kept as the engine's notifications say.
    void CutTiles(const engine::Board& board);
    void PlaceTile(const engine::Board& board, int16_t index);
    void RemoveTiles();
    void DescribeGap(const engine::Board& board);
    // A press on a tile, however it came, and what a screen reader is told
    // of it once the engine is done with it.
    void PressTile(int16_t index);

    // engine::WindowPort
    void BoardChanged(const engine::Board& board, engine::BoardChange change, int16_t tile) override;
    void SetCaption(const std::string& text) override;
    void SetBackColor(uint32_t rgb) override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    void EndProcess() override;

    // sound::BgmMenu
    void ShowBgmSwitch(bool on) override;

    platform::Services& services_;
    MovePaintingSound sound_;
    engine::Game game_;
    PictureSelect pictures_;

    QWidget* board_ = nullptr;  // the client area below the menu bar
    Announcer* announcer_ = nullptr;
    TileWidget* canv0_ = nullptr;  // the hidden template tile
    std::array<TileWidget*, engine::kTileSlots> tiles_{};
    engine::TileSize tileSize_;  // twips, of the board now out
    // What the press being handled did, as the engine's notifications said.
    int pressDepth_ = 0;
    QPointer<TileWidget> moved_;
    bool reshuffled_ = false;
    QPointer<TileWidget> countHolder_;  // the tile that tells the count
    std::array<QAction*, 2> m3a_{};

    // The secondary windows, each owned from its opening until it is closed;
    // declared last, so they go before the game they report to.
    dialogs::OwnedWindow<PictureView> Form2_;
    dialogs::OwnedWindow<dialogs::OptionsWindow> frmOption_;
    dialogs::OwnedWindow<dialogs::AboutWindow> frmAbout_;
    dialogs::OwnedWindow<platform::HelpViewer> helpViewer_;
};

}  // namespace mainwindow

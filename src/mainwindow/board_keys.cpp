// The keyboard on the board: an arrow key slides the tile beside the gap,
// and ? asks a screen reader to say where the gap is.
#include <QKeyEvent>
#include <QMenuBar>
#include <optional>

#include "engine/board.h"
#include "mainwindow/announcer.h"
#include "mainwindow/board_accessibility.h"
#include "mainwindow/main_window.h"
#include "mainwindow/tile_widget.h"

namespace mainwindow {
namespace {

std::optional<engine::SlideDirection> ArrowDirection(const QKeyEvent& event) {
    // The arrows of the keypad count as well; any other modifier makes it
    // some other key.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Left: return engine::SlideDirection::Left;
        case Qt::Key_Right: return engine::SlideDirection::Right;
        case Qt::Key_Up: return engine::SlideDirection::Up;
        case Qt::Key_Down: return engine::SlideDirection::Down;
        default: return std::nullopt;
    }
}

}  // namespace

void Form1::keyPressEvent(QKeyEvent* event) {
    // A player who cannot see the board asks where the gap is, whatever
    // the keyboard needs to type the question mark.
    const engine::Board& board = game_.State().board;
    if (event->key() == Qt::Key_Question && !menuBar()->activeAction() && board.DivCount > 0) {
        event->accept();
        announcer_->Say(GapDescription(engine::GapCell(board)));
        return;
    }
    const std::optional<engine::SlideDirection> direction = ArrowDirection(*event);
    // A menu bar being worked with the keyboard keeps its arrows. It holds on
    // to the focus once that is over, so only its highlighted title tells.
    if (!direction || menuBar()->activeAction()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    // One press of the key is one press of the tile: a held mouse button
    // does not repeat either.
    if (event->isAutoRepeat()) return;
    // The very press a click on the tile makes, so the move is counted,
    // sounded and painted alike; beside the gap's edge there is no tile
    // and, as with a click off the gap, nothing happens.
    const int16_t index = engine::TileToSlide(board, *direction);
    if (index == 0) return;
    if (TileWidget* tile = Tile(index)) tile->Press();
}

}  // namespace mainwindow

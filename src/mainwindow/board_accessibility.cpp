// The board's names for screen readers, and the tiles offered as buttons.
#include "mainwindow/board_accessibility.h"

#include <QAccessible>

#include "dialogs/pressable.h"
#include "mainwindow/tile_widget.h"

namespace mainwindow {
namespace {

QString CellText(engine::Cell cell) { return QStringLiteral("%1 行 %2 列").arg(cell.row + 1).arg(cell.col + 1); }

// The hidden template canv(0) is no tile of the board.
bool OnTheBoard(QObject* object) {
    auto* tile = qobject_cast<TileWidget*>(object);
    return tile && tile->Index() > 0;
}

}  // namespace

QString TileName(int16_t index, engine::Cell cell) {
    return QStringLiteral("タイル %1 (%2)").arg(index).arg(CellText(cell));
}

QString GapDescription(engine::Cell cell) { return QStringLiteral("空きマス (%1)").arg(CellText(cell)); }

QString ReshuffleText(int16_t reshuffles) { return QStringLiteral("盤をシャッフルしました (%1 回目)").arg(reshuffles); }

void InstallBoardAccessibility() {
    dialogs::OfferPressable(TileWidget::staticMetaObject, QAccessible::Button, OnTheBoard);
}

}  // namespace mainwindow

#include "editor/qt/grid_selection.h"

#include <algorithm>

#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"

namespace selkan {

CellRange SelectedRange(const CMSFlexGrid& grid) {
  const QModelIndexList selected = grid.Table()->selectionModel()->selectedIndexes();
  if (selected.isEmpty()) {
    const int row = grid.GetRow();
    const int col = grid.GetCol();
    return {row, col, row, col};
  }
  CellRange range{offset::kChannelCount, kChannelColumns, 1, 1};
  for (const QModelIndex& index : selected) {
    range.top = std::min(range.top, index.row() + 1);
    range.bottom = std::max(range.bottom, index.row() + 1);
    range.left = std::min(range.left, index.column() + 1);
    range.right = std::max(range.right, index.column() + 1);
  }
  return range;
}

void SelectCells(CMSFlexGrid& grid, const CellRange& range) {
  GridTable* table = grid.Table();
  QAbstractItemModel* model = table->model();
  const QModelIndex topLeft = model->index(range.top - 1, range.left - 1);
  // An editor opens only for a single cell.
  if (table->currentIndex() != topLeft) table->setCurrentIndex(topLeft);
  const QItemSelection block(topLeft, model->index(range.bottom - 1, range.right - 1));
  table->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
  table->scrollTo(topLeft);
}

ChannelTable GridTexts(const CMSFlexGrid& grid) {
  ChannelTable table;
  for (int r = 1; r <= offset::kChannelCount; ++r) {
    for (int c = kColRx; c <= kColBandwidth; ++c)
      Cell(table[r - 1], c) = grid.GetTextMatrix(r, c).toStdString();
  }
  return table;
}

void PutChannelRow(CMSFlexGrid& grid, int channel, const ChannelRow& row) {
  for (int c = kColRx; c <= kColBandwidth; ++c) {
    const QString text = QString::fromStdString(Cell(row, c));
    if (grid.GetTextMatrix(channel, c) != text) grid.SetTextMatrix(channel, c, text);
  }
}

}  // namespace selkan

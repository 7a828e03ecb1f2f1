#include "editor/qt/grid_table.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace selkan {

void CellTrackingModel::setCurrentIndex(const QModelIndex& index,
                                        QItemSelectionModel::SelectionFlags command) {
  // Only moves from one real cell to another are cell changes; the model
  // setting up or tearing down its first current cell is not.
  const bool move = index.isValid() && currentIndex().isValid() && index != currentIndex();
  if (move) emit aboutToMove();
  QItemSelectionModel::setCurrentIndex(index, command);
  if (move) emit moved();
}

GridTable::GridTable(QWidget* parent) : QTableWidget(parent) {
  // The selection model belongs to the model, which QTableWidget owns.
  tracker_ = new CellTrackingModel(model(), model());
  QItemSelectionModel* old = selectionModel();
  setSelectionModel(tracker_);
  delete old;

  setEditTriggers(QAbstractItemView::NoEditTriggers);
  // One block of cells at a time: dragged, grown with Shift, or whole
  // channels by their numbers and whole columns by their titles.
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setCornerButtonEnabled(false);
  setWordWrap(false);
  setTabKeyNavigation(false);  // Tab leaves the grid for the next control
  horizontalHeader()->setSectionsClickable(true);
  verticalHeader()->setSectionsClickable(true);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
}

void GridTable::mousePressEvent(QMouseEvent* event) {
  QTableWidget::mousePressEvent(event);
  emit mousePressed(event);
}

}  // namespace selkan

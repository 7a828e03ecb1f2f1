#pragma once

#include <QItemSelectionModel>
#include <QTableWidget>

namespace selkan {

// Selection model that announces every change of the current cell before and
// after it happens, whoever makes it: a click, a key, or the program.
class CellTrackingModel : public QItemSelectionModel {
  Q_OBJECT
 public:
  using QItemSelectionModel::QItemSelectionModel;

  void setCurrentIndex(const QModelIndex& index,
                       QItemSelectionModel::SelectionFlags command) override;

 signals:
  void aboutToMove();  // currentIndex() is still the cell being left
  void moved();        // currentIndex() is the new cell
};

// The table inside CMSFlexGrid. Its cells are the grid's scrolling cells; the
// fixed row and column are its two headers, which select whole rows and
// columns. It never edits a cell itself and reports mouse presses after it
// has moved the current cell.
class GridTable : public QTableWidget {
  Q_OBJECT
 public:
  explicit GridTable(QWidget* parent = nullptr);

  CellTrackingModel* Tracker() const { return tracker_; }

 signals:
  void mousePressed(QMouseEvent* event);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  // Typing never jumps to a cell that starts with the typed letters.
  void keyboardSearch(const QString&) override {}

 private:
  CellTrackingModel* tracker_;
};

}  // namespace selkan

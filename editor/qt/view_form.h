#pragma once

#include <QSize>
#include <array>
#include <optional>

#include "editor/form_geometry.h"
#include "editor/qt/channel_grid_layout.h"

class QFont;
class QLabel;

namespace selkan {

class CMSFlexGrid;

// The form of a document window: the title label over the channel grid,
// placed in dialog units of the form's font. At the form's own size (or
// smaller) they stay where the form puts them; a larger window gives the
// grid all the extra room and more rows, and its columns keep their ratios.
class ViewForm {
 public:
  // Lays the form of the title and the grid out in the form's font (the
  // title has its own); Size() is the form's size from then on.
  void LayOut(QLabel* title, CMSFlexGrid* grid, const QFont& formFont);
  QSize Size() const { return size_; }
  // The grid's column widths at the form's size, in twips; from then on
  // they grow with the grid.
  void SetColumnWidths(const std::array<int, kGridCols>& twips);
  // Places the title and the grid in a view of that size.
  void Fit(const QSize& view);

 private:
  QLabel* title_ = nullptr;
  CMSFlexGrid* grid_ = nullptr;
  QSize size_;
  FormLayout layout_;
  std::optional<std::array<int, kGridCols>> columnWidths_;
};

}  // namespace selkan

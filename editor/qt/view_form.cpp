#include "editor/qt/view_form.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRect>
#include <algorithm>

#include "editor/qt/ms_flex_grid.h"

namespace selkan {

namespace {

// The form in dialog units: its size, the title label and the grid.
constexpr QSize kFormDlu(436, 247);
constexpr QRect kTitleDlu(135, 14, 165, 15);
constexpr QRect kGridDlu(14, 37, 409, 196);

// Dialog units of a form in the given font: horizontally a quarter of the
// average letter width, vertically an eighth of the line height.
struct DialogUnits {
  explicit DialogUnits(const QFontMetrics& metrics)
      : width(metrics.horizontalAdvance(
                  QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
              52.0),
        height(metrics.height()) {}
  int X(int dlu) const { return static_cast<int>(dlu * width / 4.0 + 0.5); }
  int Y(int dlu) const { return static_cast<int>(dlu * height / 8.0 + 0.5); }
  QRect Rect(const QRect& dlu) const {
    return QRect(X(dlu.x()), Y(dlu.y()), X(dlu.width()), Y(dlu.height()));
  }
  double width;
  double height;
};

Box ToBox(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }
QRect ToRect(const Box& box) { return QRect(box.x, box.y, box.width, box.height); }

}  // namespace

void ViewForm::LayOut(QLabel* title, CMSFlexGrid* grid, const QFont& formFont) {
  title_ = title;
  grid_ = grid;
  const DialogUnits units{QFontMetrics(formFont)};
  size_ = QSize(units.X(kFormDlu.width()), units.Y(kFormDlu.height()));
  QRect titleRect = units.Rect(kTitleDlu);
  // The 12-point title needs more height than 15 units of a 9-point form.
  const int titleHeight = std::max(titleRect.height(), QFontMetrics(title_->font()).height() + 4);
  titleRect.setTop(titleRect.top() - (titleHeight - titleRect.height()) / 2);
  titleRect.setHeight(titleHeight);
  layout_.title = ToBox(titleRect);
  layout_.grid = ToBox(units.Rect(kGridDlu));
}

void ViewForm::SetColumnWidths(const std::array<int, kGridCols>& twips) {
  columnWidths_ = twips;
  for (int c = 0; c < kGridCols; ++c) grid_->SetColWidth(c, twips[c]);
}

void ViewForm::Fit(const QSize& view) {
  const FormLayout layout =
      LayOutForm(layout_, size_.width(), size_.height(), view.width(), view.height());
  title_->setGeometry(ToRect(layout.title));
  grid_->setGeometry(ToRect(layout.grid));
  if (!columnWidths_) return;
  const std::array<int, kGridCols> widths =
      ScaleColumnWidths(*columnWidths_, layout_.grid.width, layout.grid.width);
  for (int c = 0; c < kGridCols; ++c) {
    if (grid_->GetColWidth(c) != widths[c]) grid_->SetColWidth(c, widths[c]);
  }
}

}  // namespace selkan

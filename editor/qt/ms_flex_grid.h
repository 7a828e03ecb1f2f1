#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class QAbstractButton;

namespace selkan {

class GridTable;

// The channel grid: a table of text cells addressed by row and column from
// 0, with one fixed (non-scrolling) row at the top and one fixed column at
// the left, and a current cell that is never a fixed cell. Sizes and
// positions are in twips (1440 to the inch) inside this widget. The table
// itself never edits a cell; editors are placed over it by the view.
//
// Events: a change of the current cell, by the user (mouse, keyboard) or by
// SetRow/SetCol, raises leaveCell (GetRow/GetCol still give the cell being
// left) and then enterCell. Writing cells raises nothing. mouseDown follows
// every mouse press over the grid, scroll every scroll of its visible part.
class CMSFlexGrid : public QWidget {
  Q_OBJECT
 public:
  // Control id of the channel grid on the view's form.
  static constexpr int kControlId = 1000;
  // Alignment codes of SetColAlignment.
  static constexpr short kAlignLeftCenter = 1;
  static constexpr short kAlignCenterCenter = 4;

  explicit CMSFlexGrid(QWidget* parent = nullptr);
  ~CMSFlexGrid() override;

  // Set-up: the counts include the fixed row and column (at least 2 each).
  // The current cell goes to (1, 1) without events.
  void SetRows(int rows);
  void SetCols(int cols);
  int GetRows() const;
  int GetCols() const;

  int GetRow() const;
  void SetRow(int row);
  int GetCol() const;
  void SetCol(int col);

  QString GetText() const;
  QString GetTextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);

  // 0x00BBGGRR, as a Windows COLORREF.
  void SetForeColorFixed(std::uint32_t color);

  // The current cell, in twips inside this widget.
  int GetCellLeft() const;
  int GetCellTop() const;
  int GetCellWidth() const;
  int GetCellHeight() const;

  // Codes 0-8: horizontal placement code / 3 (left, centre, right) and
  // vertical code % 3 (top, centre, bottom); 4 is centred both ways. Other
  // codes are left and vertically centred. A column's fixed cell follows it.
  void SetColAlignment(int col, short alignment);
  int GetColWidth(int col) const;
  void SetColWidth(int col, int twips);

  // The table inside, for tests and for placing child editors.
  GridTable* Table() const { return table_; }

 signals:
  void enterCell();
  void leaveCell();
  // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
  // x, y in twips inside the grid.
  void mouseDown(short button, short shift, int x, int y);
  void scroll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ReportMouse(QWidget* source, const QPoint& position, Qt::MouseButton button,
                   Qt::KeyboardModifiers modifiers);
  void FillHeaders();
  void ResetCurrentCell();
  void MoveTo(int row, int col);
  void ApplyAlignment(int col);
  void PaintCorner(QAbstractButton* corner);
  QPoint CellTopLeftPixels() const;
  int DpiX() const;
  int DpiY() const;

  GridTable* table_;
  QAbstractButton* corner_ = nullptr;
  QString cornerText_;
  std::uint32_t foreColorFixed_ = 0x00000000;
  QVector<short> alignments_;
  int defaultColWidthTwips_;
};

}  // namespace selkan

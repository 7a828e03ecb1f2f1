#include "editor/qt/ms_flex_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QVBoxLayout>

#include "editor/qt/grid_table.h"
#include "editor/qt/twips.h"

namespace selkan {

namespace {

QColor FromColorRef(std::uint32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Codes 0-8: horizontal placement code / 3 (left, centre, right), vertical
// code % 3 (top, centre, bottom). Anything else is left and centred.
Qt::Alignment AlignmentOfCode(short code) {
  if (code < 0 || code > 8) return Qt::AlignLeft | Qt::AlignVCenter;
  static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                      Qt::AlignRight};
  static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                    Qt::AlignBottom};
  return kHorizontal[code / 3] | kVertical[code % 3];
}

// Default sizes follow the grid's font: a column holds about ten average
// letters (the average taken over the alphabet, as dialog units are), a row
// one line with a little room.
int DefaultColumnPixels(const QFontMetrics& metrics) {
  const int alphabet = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return (alphabet * 10 + 26) / 52;
}
int DefaultRowPixels(const QFontMetrics& metrics) { return metrics.height() + 6; }

}  // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QWidget(parent), table_(new GridTable(this)) {
  setProperty("controlId", kControlId);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(table_);
  setFocusProxy(table_);

  corner_ = table_->findChild<QAbstractButton*>();
  if (corner_ != nullptr) corner_->installEventFilter(this);
  table_->horizontalHeader()->viewport()->installEventFilter(this);
  table_->verticalHeader()->viewport()->installEventFilter(this);

  connect(table_->Tracker(), &CellTrackingModel::aboutToMove, this, &CMSFlexGrid::leaveCell);
  connect(table_->Tracker(), &CellTrackingModel::moved, this, &CMSFlexGrid::enterCell);
  connect(table_, &GridTable::mousePressed, this, [this](QMouseEvent* event) {
    ReportMouse(table_->viewport(), event->position().toPoint(), event->button(),
                event->modifiers());
  });
  connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::scroll);
  connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::scroll);

  defaultColWidthTwips_ = PixelsToTwips(DefaultColumnPixels(fontMetrics()), DpiX());
  table_->verticalHeader()->setFixedWidth(TwipsToPixels(defaultColWidthTwips_, DpiX()));
  SetRows(2);
  SetCols(2);
}

CMSFlexGrid::~CMSFlexGrid() = default;

int CMSFlexGrid::DpiX() const { return logicalDpiX(); }
int CMSFlexGrid::DpiY() const { return logicalDpiY(); }

void CMSFlexGrid::SetRows(int rows) {
  if (rows < 2) rows = 2;
  const int rowPixels = DefaultRowPixels(fontMetrics());
  table_->verticalHeader()->setDefaultSectionSize(rowPixels);
  table_->verticalHeader()->setMinimumSectionSize(1);
  table_->horizontalHeader()->setFixedHeight(rowPixels);
  table_->setRowCount(rows - 1);
  FillHeaders();
  ResetCurrentCell();
}

void CMSFlexGrid::SetCols(int cols) {
  if (cols < 2) cols = 2;
  defaultColWidthTwips_ = PixelsToTwips(DefaultColumnPixels(fontMetrics()), DpiX());
  table_->horizontalHeader()->setMinimumSectionSize(1);
  table_->horizontalHeader()->setDefaultSectionSize(TwipsToPixels(defaultColWidthTwips_, DpiX()));
  table_->setColumnCount(cols - 1);
  alignments_.resize(cols, kAlignLeftCenter);
  FillHeaders();
  ResetCurrentCell();
}

int CMSFlexGrid::GetRows() const { return table_->rowCount() + 1; }
int CMSFlexGrid::GetCols() const { return table_->columnCount() + 1; }

// Header items must exist, or the headers would show their own numbers.
void CMSFlexGrid::FillHeaders() {
  for (int c = 0; c < table_->columnCount(); ++c) {
    if (table_->horizontalHeaderItem(c) == nullptr)
      table_->setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
  }
  for (int r = 0; r < table_->rowCount(); ++r) {
    if (table_->verticalHeaderItem(r) == nullptr)
      table_->setVerticalHeaderItem(r, new QTableWidgetItem(QString()));
  }
  SetForeColorFixed(foreColorFixed_);
  for (int c = 0; c < GetCols(); ++c) ApplyAlignment(c);
}

void CMSFlexGrid::ResetCurrentCell() {
  // Setting up is not a cell change: the model is told silently.
  const QSignalBlocker blocker(table_->Tracker());
  table_->setCurrentCell(0, 0);
}

int CMSFlexGrid::GetRow() const {
  const QModelIndex current = table_->currentIndex();
  return current.isValid() ? current.row() + 1 : 1;
}

int CMSFlexGrid::GetCol() const {
  const QModelIndex current = table_->currentIndex();
  return current.isValid() ? current.column() + 1 : 1;
}

void CMSFlexGrid::SetRow(int row) { MoveTo(row, GetCol()); }
void CMSFlexGrid::SetCol(int col) { MoveTo(GetRow(), col); }

void CMSFlexGrid::MoveTo(int row, int col) {
  // A fixed cell can never become current; nor can one outside the grid.
  if (row < 1 || row >= GetRows() || col < 1 || col >= GetCols()) return;
  table_->setCurrentCell(row - 1, col - 1);
}

QString CMSFlexGrid::GetText() const { return GetTextMatrix(GetRow(), GetCol()); }

QString CMSFlexGrid::GetTextMatrix(int row, int col) const {
  if (row < 0 || row >= GetRows() || col < 0 || col >= GetCols()) return {};
  if (row == 0 && col == 0) return cornerText_;
  const QTableWidgetItem* item = row == 0   ? table_->horizontalHeaderItem(col - 1)
                                 : col == 0 ? table_->verticalHeaderItem(row - 1)
                                            : table_->item(row - 1, col - 1);
  return item != nullptr ? item->text() : QString();
}

void CMSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
  if (row < 0 || row >= GetRows() || col < 0 || col >= GetCols()) return;
  if (row == 0 && col == 0) {
    cornerText_ = text;
    if (corner_ != nullptr) corner_->update();
  } else if (row == 0) {
    table_->horizontalHeaderItem(col - 1)->setText(text);
  } else if (col == 0) {
    table_->verticalHeaderItem(row - 1)->setText(text);
  } else if (QTableWidgetItem* item = table_->item(row - 1, col - 1)) {
    item->setText(text);
  } else {
    item = new QTableWidgetItem(text);
    item->setTextAlignment(AlignmentOfCode(alignments_.value(col, kAlignLeftCenter)));
    table_->setItem(row - 1, col - 1, item);
  }
}

void CMSFlexGrid::SetForeColorFixed(std::uint32_t color) {
  foreColorFixed_ = color;
  const QBrush brush(FromColorRef(color));
  for (int c = 0; c < table_->columnCount(); ++c)
    table_->horizontalHeaderItem(c)->setForeground(brush);
  for (int r = 0; r < table_->rowCount(); ++r) table_->verticalHeaderItem(r)->setForeground(brush);
  if (corner_ != nullptr) corner_->update();
}

void CMSFlexGrid::SetColAlignment(int col, short alignment) {
  if (col < 0 || col >= GetCols()) return;
  alignments_[col] = alignment;
  ApplyAlignment(col);
}

// A column's alignment covers its fixed cell too.
void CMSFlexGrid::ApplyAlignment(int col) {
  const Qt::Alignment alignment = AlignmentOfCode(alignments_.value(col, kAlignLeftCenter));
  if (col == 0) {
    for (int r = 0; r < table_->rowCount(); ++r)
      table_->verticalHeaderItem(r)->setTextAlignment(alignment);
    if (corner_ != nullptr) corner_->update();
    return;
  }
  table_->horizontalHeaderItem(col - 1)->setTextAlignment(alignment);
  for (int r = 0; r < table_->rowCount(); ++r) {
    if (QTableWidgetItem* item = table_->item(r, col - 1)) item->setTextAlignment(alignment);
  }
}

int CMSFlexGrid::GetColWidth(int col) const {
  if (col < 0 || col >= GetCols()) return 0;
  const int pixels =
      col == 0 ? table_->verticalHeader()->minimumWidth() : table_->columnWidth(col - 1);
  return PixelsToTwips(pixels, DpiX());
}

void CMSFlexGrid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= GetCols() || twips < 0) return;
  const int pixels = TwipsToPixels(twips, DpiX());
  if (col == 0)
    table_->verticalHeader()->setFixedWidth(pixels);
  else
    table_->setColumnWidth(col - 1, pixels);
}

// Top-left pixel of the current cell inside this widget: the table's place,
// the viewport's place inside the table (after frame and headers), and the
// cell's place in the scrolled viewport.
QPoint CMSFlexGrid::CellTopLeftPixels() const {
  const QPoint viewport = table_->viewport()->mapTo(this, QPoint(0, 0));
  return viewport + QPoint(table_->columnViewportPosition(GetCol() - 1),
                           table_->rowViewportPosition(GetRow() - 1));
}

int CMSFlexGrid::GetCellLeft() const { return PixelsToTwips(CellTopLeftPixels().x(), DpiX()); }
int CMSFlexGrid::GetCellTop() const { return PixelsToTwips(CellTopLeftPixels().y(), DpiY()); }
int CMSFlexGrid::GetCellWidth() const {
  return PixelsToTwips(table_->columnWidth(GetCol() - 1), DpiX());
}
int CMSFlexGrid::GetCellHeight() const {
  return PixelsToTwips(table_->rowHeight(GetRow() - 1), DpiY());
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == corner_ && event->type() == QEvent::Paint) {
    PaintCorner(corner_);
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    auto* source = qobject_cast<QWidget*>(watched);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (source != nullptr)
      ReportMouse(source, mouse->position().toPoint(), mouse->button(), mouse->modifiers());
  }
  return QWidget::eventFilter(watched, event);
}

void CMSFlexGrid::ReportMouse(QWidget* source, const QPoint& position, Qt::MouseButton button,
                              Qt::KeyboardModifiers modifiers) {
  short code = 0;
  if (button == Qt::LeftButton) code = 1;
  if (button == Qt::RightButton) code = 2;
  if (button == Qt::MiddleButton) code = 4;
  short shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  const QPoint inGrid = source->mapTo(this, position);
  emit mouseDown(code, shift, PixelsToTwips(inGrid.x(), DpiX()), PixelsToTwips(inGrid.y(), DpiY()));
}

// The corner is the fixed cell (0, 0): drawn as a header section with its
// text, in the fixed-cell colour.
void CMSFlexGrid::PaintCorner(QAbstractButton* corner) {
  QStyleOptionHeader option;
  option.initFrom(corner);
  option.rect = corner->rect();
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.orientation = Qt::Horizontal;
  option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
  option.state &= ~QStyle::State_MouseOver;
  option.text = cornerText_;
  option.textAlignment = AlignmentOfCode(alignments_.value(0, kAlignLeftCenter));
  option.palette.setColor(QPalette::ButtonText, FromColorRef(foreColorFixed_));
  QPainter painter(corner);
  corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}

}  // namespace selkan

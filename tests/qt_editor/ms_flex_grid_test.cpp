// The grid contract: counts, the current cell and its events, fixed cells,
// texts, twips geometry, column widths and alignment.
#include "editor/qt/ms_flex_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "editor/qt/grid_table.h"
#include "editor/qt/twips.h"

using selkan::CMSFlexGrid;

class MsFlexGridTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CMSFlexGrid> grid_;
  QStringList events_;

  QRect CellRect(int row, int col) {
    auto* table = grid_->Table();
    const QRect inViewport = table->visualRect(table->model()->index(row - 1, col - 1));
    return inViewport.translated(table->viewport()->mapTo(grid_.get(), QPoint(0, 0)));
  }
  void ClickCell(int row, int col, Qt::KeyboardModifiers modifiers = {}) {
    auto* table = grid_->Table();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                      table->visualRect(table->model()->index(row - 1, col - 1)).center());
  }
  QString Where() const { return QString("%1,%2").arg(grid_->GetRow()).arg(grid_->GetCol()); }

 private slots:
  void init() {
    grid_ = std::make_unique<CMSFlexGrid>();
    grid_->resize(600, 300);
    grid_->SetRows(200);
    grid_->SetCols(8);
    grid_->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid_.get()));
    events_.clear();
    connect(grid_.get(), &CMSFlexGrid::leaveCell, this, [this] { events_ << "leave " + Where(); });
    connect(grid_.get(), &CMSFlexGrid::enterCell, this, [this] { events_ << "enter " + Where(); });
    connect(grid_.get(), &CMSFlexGrid::mouseDown, this,
            [this](short button, short shift, int, int) {
              events_ << QString("mouse %1 %2 at %3").arg(button).arg(shift).arg(Where());
            });
  }
  void cleanup() { grid_.reset(); }

  void countsIncludeFixedCellsAndCurrentCellStartsAtFirstScrollingCell() {
    QCOMPARE(grid_->GetRows(), 200);
    QCOMPARE(grid_->Table()->rowCount(), 199);
    QCOMPARE(grid_->GetRow(), 1);
    QCOMPARE(grid_->GetCol(), 1);
    QCOMPARE(grid_->property("controlId").toInt(), 1000);
  }

  void programMovesRaiseLeaveWithOldCellThenEnter() {
    grid_->SetRow(5);
    grid_->SetCol(7);
    QCOMPARE(events_, QStringList({"leave 1,1", "enter 5,1", "leave 5,1", "enter 5,7"}));
    events_.clear();
    grid_->SetCol(1);  // the advance of Enter: column first, then row
    grid_->SetRow(199);
    QCOMPARE(events_, QStringList({"leave 5,7", "enter 5,1", "leave 5,1", "enter 199,1"}));
  }

  void movesToSameCellFixedCellsOrOutsideRaiseNothing() {
    grid_->SetRow(3);
    events_.clear();
    grid_->SetRow(3);
    grid_->SetRow(0);
    grid_->SetCol(0);
    grid_->SetRow(200);
    grid_->SetCol(8);
    grid_->SetRow(-1);
    QVERIFY(events_.isEmpty());
    QCOMPARE(Where(), QString("3,1"));
  }

  void writingCellsRaisesNothingAndKeepsTheCurrentCell() {
    grid_->SetRow(4);
    grid_->SetCol(2);
    events_.clear();
    QSignalSpy scrolls(grid_.get(), &CMSFlexGrid::scroll);
    grid_->SetText("145.12500");
    const std::tuple<int, int, QString> cells[] = {
        {0, 0, "CH"}, {0, 3, "QT/DQT Dec"}, {150, 0, "150"}, {199, 7, "Wide"}};
    for (const auto& [row, col, text] : cells) grid_->SetTextMatrix(row, col, text);
    QVERIFY(events_.isEmpty());
    QCOMPARE(scrolls.count(), 0);
    QCOMPARE(Where(), QString("4,2"));
    QCOMPARE(grid_->GetTextMatrix(4, 2), QString("145.12500"));
    for (const auto& [row, col, text] : cells) QCOMPARE(grid_->GetTextMatrix(row, col), text);
    QCOMPARE(grid_->GetTextMatrix(5, 5), QString());
    QCOMPARE(grid_->GetTextMatrix(200, 1), QString());  // outside: nothing, no crash
    grid_->SetText("");
    QCOMPARE(grid_->GetText(), QString());
  }

  void clickMovesCurrentCellThenReportsMouseDown() {
    ClickCell(3, 4, Qt::ShiftModifier);
    QCOMPARE(events_, QStringList({"leave 1,1", "enter 3,4", "mouse 1 1 at 3,4"}));
    events_.clear();
    ClickCell(3, 4);  // the same cell: no cell change, still a mouse press
    QCOMPARE(events_, QStringList({"mouse 1 0 at 3,4"}));
  }

  void mouseDownPositionIsInTwipsInsideTheGrid() {
    QSignalSpy spy(grid_.get(), &CMSFlexGrid::mouseDown);
    auto* table = grid_->Table();
    const QPoint inViewport(7, 9);
    QTest::mouseClick(table->viewport(), Qt::RightButton, {}, inViewport);
    QCOMPARE(spy.count(), 1);
    const QPoint inGrid = table->viewport()->mapTo(grid_.get(), inViewport);
    const int dpiX = grid_->logicalDpiX();
    const int dpiY = grid_->logicalDpiY();
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(spy.at(0).at(2).toInt(), selkan::PixelsToTwips(inGrid.x(), dpiX));
    QCOMPARE(spy.at(0).at(3).toInt(), selkan::PixelsToTwips(inGrid.y(), dpiY));
  }

  void clickOnFixedCellsSelectsTheirColumnOrRowButNeverMovesThere() {
    auto* table = grid_->Table();
    QHeaderView* top = table->horizontalHeader();
    QHeaderView* left = table->verticalHeader();
    QTest::mouseClick(
        top->viewport(), Qt::LeftButton, {},
        QPoint(top->sectionViewportPosition(2) + top->sectionSize(2) / 2, top->height() / 2));
    QCOMPARE(events_, QStringList({"mouse 1 0 at 1,1", "leave 1,1", "enter 1,3"}));
    QCOMPARE(table->selectionModel()->selectedIndexes().size(), 199);
    events_.clear();
    QTest::mouseClick(
        left->viewport(), Qt::LeftButton, {},
        QPoint(left->width() / 2, left->sectionViewportPosition(6) + left->sectionSize(6) / 2));
    QCOMPARE(events_, QStringList({"mouse 1 0 at 1,3", "leave 1,3", "enter 7,1"}));
    QVERIFY(table->selectionModel()->isRowSelected(6, {}));
    QCOMPARE(table->selectionModel()->selectedIndexes().size(), 7);
  }

  void keyboardMovesRaiseEventsAndStopAtTheFixedCells() {
    auto* table = grid_->Table();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(events_, QStringList({"leave 1,1", "enter 2,1", "leave 2,1", "enter 2,2"}));
    events_.clear();
    grid_->SetRow(1);
    grid_->SetCol(1);
    events_.clear();
    QTest::keyClick(table, Qt::Key_Up);
    QTest::keyClick(table, Qt::Key_Left);
    QVERIFY(events_.isEmpty());
    QCOMPARE(Where(), QString("1,1"));
  }

  void cellsAreNeverEditedByTheTable() {
    grid_->SetTextMatrix(2, 2, "kept");
    grid_->SetRow(2);
    grid_->SetCol(2);
    auto* table = grid_->Table();
    table->setFocus();
    QTest::keyClicks(table, "99");
    QTest::keyClick(table, Qt::Key_F2);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {},
                       table->visualRect(table->model()->index(1, 1)).center());
    QCOMPARE(grid_->GetTextMatrix(2, 2), QString("kept"));
    QCOMPARE(table->findChild<QLineEdit*>(), nullptr);  // no editor was opened
    QCOMPARE(Where(), QString("2,2"));                  // typing does not jump to a matching cell
  }

  void scrollingTheVisiblePartRaisesScroll() {
    QSignalSpy spy(grid_.get(), &CMSFlexGrid::scroll);
    grid_->Table()->verticalScrollBar()->setValue(10);
    QCOMPARE(spy.count(), 1);
    spy.clear();
    grid_->Table()->verticalScrollBar()->setValue(0);
    grid_->SetRow(199);  // moved out of sight: brought into view
    QVERIFY(spy.count() >= 2);
    QVERIFY(grid_->Table()->viewport()->rect().intersects(CellRect(199, 1).translated(
        -grid_->Table()->viewport()->mapTo(grid_.get(), QPoint(0, 0)))));
  }

  void cellGeometryIsTheCurrentCellInTwips() {
    const int dpiX = grid_->logicalDpiX();
    const int dpiY = grid_->logicalDpiY();
    for (const QPoint cell : {QPoint(1, 1), QPoint(3, 2), QPoint(7, 5)}) {
      grid_->SetRow(cell.x());
      grid_->SetCol(cell.y());
      const QRect pixels = CellRect(cell.x(), cell.y());
      QCOMPARE(grid_->GetCellLeft(), selkan::PixelsToTwips(pixels.left(), dpiX));
      QCOMPARE(grid_->GetCellTop(), selkan::PixelsToTwips(pixels.top(), dpiY));
      // The size is the whole section, its grid line included.
      QCOMPARE(grid_->GetCellWidth(), selkan::PixelsToTwips(pixels.width() + 1, dpiX));
      QCOMPARE(grid_->GetCellHeight(), selkan::PixelsToTwips(pixels.height() + 1, dpiY));
    }
    // The first scrolling cell sits right of column 0 and under row 0.
    grid_->SetRow(1);
    grid_->SetCol(1);
    QVERIFY(grid_->GetCellLeft() >= grid_->GetColWidth(0));
    QVERIFY(grid_->GetCellTop() >= grid_->GetRowHeight(0));
    const int left = grid_->GetCellLeft();
    grid_->SetCol(2);
    QCOMPARE(grid_->GetCellLeft(), left + grid_->GetColWidth(1));
  }

  void cellPositionFollowsScrolling() {
    grid_->SetRow(20);
    grid_->Table()->verticalScrollBar()->setValue(0);
    const int top = grid_->GetCellTop();
    grid_->Table()->verticalScrollBar()->setValue(5);
    QCOMPARE(grid_->GetCellTop(), top - 5 * grid_->GetRowHeight(1));
  }

  void columnWidthsAreSetAndReadInTwips() {
    const int dpi = grid_->logicalDpiX();
    const int exact = selkan::PixelsToTwips(100, dpi);
    grid_->SetColWidth(3, exact);
    QCOMPARE(grid_->GetColWidth(3), exact);
    QCOMPARE(grid_->Table()->columnWidth(2), 100);
    grid_->SetColWidth(0, selkan::PixelsToTwips(40, dpi));
    QCOMPARE(grid_->GetColWidth(0), selkan::PixelsToTwips(40, dpi));
    QTRY_COMPARE(grid_->Table()->verticalHeader()->width(), 40);
    // A width between two pixels comes back within one pixel of it.
    grid_->SetColWidth(5, 1000);
    QVERIFY(std::abs(grid_->GetColWidth(5) - 1000) <= selkan::PixelsToTwips(1, dpi));
    // Unchanged columns keep the default width, column 0 included.
    QCOMPARE(grid_->GetColWidth(1), grid_->GetColWidth(7));
    QVERIFY(grid_->GetColWidth(1) > 0);
  }

  void columnAlignmentCoversExistingAndLaterCellsAndTheFixedCell() {
    grid_->SetTextMatrix(2, 3, "before");
    grid_->SetColAlignment(3, CMSFlexGrid::kAlignCenterCenter);
    grid_->SetTextMatrix(9, 3, "after");
    auto* table = grid_->Table();
    const auto alignmentOf = [](const QTableWidgetItem* item) {
      return Qt::Alignment(item->textAlignment());
    };
    QCOMPARE(alignmentOf(table->item(1, 2)), Qt::AlignCenter);
    QCOMPARE(alignmentOf(table->item(8, 2)), Qt::AlignCenter);
    QCOMPARE(alignmentOf(table->horizontalHeaderItem(2)), Qt::AlignCenter);
    grid_->SetColAlignment(0, 7);
    QCOMPARE(alignmentOf(table->verticalHeaderItem(6)), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(grid_->GetColAlignment(3), short(4));
    grid_->SetTextMatrix(4, 4, "default");
    QCOMPARE(alignmentOf(table->item(3, 3)), Qt::AlignLeft | Qt::AlignVCenter);
  }

  void fixedCellColourIsAColorRef() {
    grid_->SetForeColorFixed(0x00F03200);
    auto* table = grid_->Table();
    QCOMPARE(table->horizontalHeaderItem(0)->foreground().color(), QColor(0, 50, 240));
    QCOMPARE(table->verticalHeaderItem(198)->foreground().color(), QColor(0, 50, 240));
    QCOMPARE(table->item(0, 0), nullptr);  // scrolling cells keep their own colour
  }

  void twipsConversionsRoundToTheNearestUnit() {
    QCOMPARE(selkan::TwipsToPixels(1500, 96), 100);
    QCOMPARE(selkan::TwipsToPixels(7, 96), 0);
    QCOMPARE(selkan::TwipsToPixels(8, 96), 1);
    QCOMPARE(selkan::PixelsToTwips(1, 144), 10);
    QCOMPARE(selkan::PixelsToTwips(-2, 96), -30);
    QCOMPARE(selkan::PixelsToTwips(5, 0), 75);  // no resolution: 96 dpi
  }
};

QTEST_MAIN(MsFlexGridTest)
#include "ms_flex_grid_test.moc"

// The grid contract: the current cell and its events, fixed cells that are
// never current and cells no one but the program writes.
#include "editor/qt/ms_flex_grid.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "editor/qt/grid_table.h"

using selkan::CMSFlexGrid;

class MsFlexGridTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CMSFlexGrid> grid_;
  QStringList events_;

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

  void clickMovesCurrentCellThenReportsMouseDown() {
    ClickCell(3, 4, Qt::ShiftModifier);
    QCOMPARE(events_, QStringList({"leave 1,1", "enter 3,4", "mouse 1 1 at 3,4"}));
    events_.clear();
    ClickCell(3, 4);  // the same cell: no cell change, still a mouse press
    QCOMPARE(events_, QStringList({"mouse 1 0 at 3,4"}));
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
};

QTEST_MAIN(MsFlexGridTest)
#include "ms_flex_grid_test.moc"

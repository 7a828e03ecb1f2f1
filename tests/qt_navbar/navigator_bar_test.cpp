// The navigation bar as a widget: a drag of the strip and a double click.
#include "navbar/qt/navigator_bar.h"

#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "navbar/qt/navigator_tree.h"

using namespace selkan;

class NavigatorBarTest : public QObject {
  Q_OBJECT

 private:
  // A main window 1000 pixels wide: the bar may take up to 500; its strip starts at x = 214.
  std::unique_ptr<QWidget> window_;
  CNavigatorBar* bar_ = nullptr;
  const QPoint strip_{216, 200};

 private slots:
  void init() {
    QTest::failOnWarning(QRegularExpression("QPainter::(?!begin)|QObject::|QLayout"));
    window_ = std::make_unique<QWidget>(), window_->resize(1000, 600);
    auto* layout = new QHBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_ = new CNavigatorBar("Selkan Radio")), layout->addStretch(1);
    bar_->Tree()->Fill("Selkan Radio", Language::English), window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTRY_VERIFY(!bar_->Mouse().Frame().IsEmpty());  // painted
  }
  void cleanup() { window_.reset(); }

  // The close button's tip; dotted lines join the editors to the root (the last ends there).
  // A double click is not a press: a drag after it resizes nothing. A narrow bar scrolls
  // sideways to whole item texts.
  void theBarDrawsItsMarksAndADragOfItsStripResizesIt() {
    const BarRect& close = bar_->Mouse().CloseButton();
    QHelpEvent tip(QEvent::ToolTip, {close.left + 2, close.top + 2}, {});
    QHelpEvent away(QEvent::ToolTip, strip_, {});  // the window below may show a tip of its own
    QCoreApplication::sendEvent(bar_, &tip);
    QCOMPARE(QToolTip::text(), QString("Close"));
    QCoreApplication::sendEvent(bar_, &away);
    QTRY_VERIFY(!away.isAccepted() && !QToolTip::isVisible());
    CNavigatorTree* tree = bar_->Tree();
    const QImage bar = bar_->grab().toImage();  // a grey line across the frame under the caption
    const BarRect& frame = bar_->Mouse().Frame();
    const QRgb grey = bar_->palette().color(QPalette::Disabled, QPalette::WindowText).rgb();
    int greyRows = 0;
    for (int y = frame.top; y < tree->geometry().top(); ++y)
      greyRows += bar.pixel(4, y) != grey && bar.pixel(5, y) == grey &&  // after the white edge
                  bar.pixel(frame.right - 1, y) == grey;
    QCOMPARE(greyRows, 1);
    const QImage image = tree->viewport()->grab().toImage();
    const QRgb background = tree->palette().color(QPalette::Base).rgb();
    const auto lineBetween = [&](int x, QTreeWidgetItem* item) {
      const QRect row = tree->visualItemRect(item);
      for (int y = row.center().y() + 1; y <= row.bottom(); ++y)
        if (image.pixel(x, y) != background) return true;
      return false;
    };
    QTreeWidgetItem* root = tree->Root();
    const int x = tree->visualItemRect(root->child(0)).left() - tree->indentation() / 2;
    for (int child : {0, 1, 2}) QCOMPARE(lineBetween(x, root->child(child)), child < 2);
    const QRect top = tree->visualItemRect(root);  // the root's box: minus open, plus shut
    const QPoint upper(top.left() - tree->indentation() / 2, top.top() + top.height() / 2 - 2);
    const auto plus = [&] { return tree->viewport()->grab().toImage().pixel(upper) != background; };
    QVERIFY(image.pixel(upper.x() - 2, upper.y() + 2) != background && !plus());
    root->setExpanded(false);
    QVERIFY(plus());
    root->setExpanded(true);

    QTest::mouseDClick(bar_, Qt::LeftButton, {}, strip_);
    QTest::mouseRelease(bar_, Qt::LeftButton, {}, {100, 200});
    QVERIFY(!bar_->TrackingLine() && bar_->BarWidth() == 220);
    QTest::mouseMove(bar_, strip_), QTest::mousePress(bar_, Qt::LeftButton, {}, strip_);
    QTest::mouseMove(bar_, {30, 200});
    QCOMPARE(bar_->cursor().shape(), Qt::SplitHCursor);  // all the drag long
    QWidget* line = bar_->TrackingLine();
    QVERIFY(line && line->isVisible() && line->geometry().left() == 80);
    QTest::mouseRelease(bar_, Qt::LeftButton, {}, {30, 200});
    QVERIFY(!line->isVisible());
    QTRY_COMPARE(bar_->width(), 30);
    QCOMPARE(tree->width(), 17);
    QTreeWidgetItem* longest = root->child(1);
    QVERIFY(tree->visualItemRect(longest).width() >
            tree->fontMetrics().horizontalAdvance(longest->text(0)));
    window_->resize(1000, 300);  // the tree follows the bar's height down to its margin
    QTRY_VERIFY(bar_->height() == 300 && qAbs(tree->geometry().bottom() - 297) <= 1);

    // A tree's first focus opens nothing, even with the pointer over an editor's item.
    CNavigatorTree fresh;
    fresh.Fill("Selkan Radio", Language::English), fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    const QRect item = fresh.visualItemRect(fresh.Root()->child(1));
    QCursor::setPos(fresh.viewport()->mapToGlobal(item.center()));
    QSignalSpy chosen(&fresh, &CNavigatorTree::editorChosen);
    fresh.activateWindow(), fresh.setFocus(Qt::TabFocusReason), QTest::qWait(50);
    QVERIFY(fresh.hasFocus() && chosen.isEmpty());
  }
};

QTEST_MAIN(NavigatorBarTest)
#include "navigator_bar_test.moc"

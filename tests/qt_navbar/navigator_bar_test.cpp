// The navigation bar as a widget: a drag of the strip and a double click.
#include "navbar/qt/navigator_bar.h"

#include <QHBoxLayout>
#include <QTest>

#include "navbar/qt/navigator_tree.h"

using namespace selkan;

class NavigatorBarTest : public QObject {
  Q_OBJECT

 private:
  // A main window 1000 pixels wide with the bar on its left: the bar may
  // take up to 500. Its strip starts at x = 214.
  std::unique_ptr<QWidget> window_;
  CNavigatorBar* bar_ = nullptr;
  const QPoint strip_{216, 200};

 private slots:
  void init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(1000, 600);
    auto* layout = new QHBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    bar_ = new CNavigatorBar("Selkan Radio");
    layout->addWidget(bar_);
    layout->addStretch(1);
    bar_->Tree()->Fill("Selkan Radio", Language::English);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTRY_VERIFY(!bar_->Mouse().Frame().IsEmpty());  // painted
  }
  void cleanup() { window_.reset(); }

  void draggingTheStripResizesTheBar() {
    QTest::mousePress(bar_, Qt::LeftButton, {}, strip_);
    QTest::mouseMove(bar_, {30, 200});
    QWidget* line = bar_->TrackingLine();
    QVERIFY(line && line->isVisible());
    QCOMPARE(line->geometry().left(), 80);
    QTest::mouseRelease(bar_, Qt::LeftButton, {}, {30, 200});
    QVERIFY(!line->isVisible());
    QTRY_COMPARE(bar_->width(), 30);
    QCOMPARE(bar_->Tree()->width(), 17);
  }

  // A double click is not a press: a drag after it resizes nothing.
  void doubleClickOnTheStripStartsNothing() {
    QTest::mouseDClick(bar_, Qt::LeftButton, {}, strip_);
    QTest::mouseMove(bar_, {100, 200});
    QTest::mouseRelease(bar_, Qt::LeftButton, {}, {100, 200});
    QVERIFY(!bar_->TrackingLine());
    QCOMPARE(bar_->BarWidth(), 220);
  }
};

QTEST_MAIN(NavigatorBarTest)
#include "navigator_bar_test.moc"

// The navigation bar and the Edit commands through the program: the tree
// and the menu open the editors, Optional Features changes the document,
// the bar's close button and View > Control Bar.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app_fixture.h"
#include "navbar/qt/navigator_bar.h"
#include "navbar/qt/navigator_tree.h"

using namespace selkan;
using namespace selkan::test;

namespace {

void Press(QDialog* dialog, const char* button) {
  dialog->findChild<QPushButton*>(button)->click();
}

// Clicks a child of the tree's root with the pointer over it.
void ClickTreeItem(CMainFrame* frame, int child) {
  CNavigatorTree* tree = frame->NavigatorBar()->Tree();
  const QPoint at = tree->visualItemRect(tree->Root()->child(child)).center();
  QCursor::setPos(tree->viewport()->mapToGlobal(at));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT
 private slots:
  void treeItemsOpenTheirEditors() {
    Program p;
    for (const auto& [child, title] : {std::pair{0, "Product Information"},
                                       {2, "Optional Features"},
                                       {2, "Optional Features"}}) {
      NextDialog next([](QDialog* dialog) { dialog->reject(); });
      ClickTreeItem(p.frame, child);
      QTRY_COMPARE(next.title, QString(title));
    }
    p.child->close();  // hides it
    CNavigatorTree* tree = p.frame->NavigatorBar()->Tree();
    QCursor::setPos(p.frame->mapToGlobal(QPoint(900, 500)));
    tree->setCurrentItem(tree->Root()->child(1));
    QTRY_COMPARE(tree->currentItem(), tree->Root());
    QVERIFY(!p.child->isVisible());
    ClickTreeItem(p.frame, 1);
    QTRY_VERIFY(p.child->isVisible());
  }

  // Cancel changes nothing, an OK without a change leaves the document
  // unmarked; a squelch level of 7 and the ANI code 123 reach the file.
  void optionalFeaturesOkChangesTheDocument() {
    Program p;
    CSelkanDoc& document = p.child->Document();
    const RadioImage blank = document.Image();
    QAction* command = p.frame->Action(command::kOptionalFeatures);
    for (const char* button : {"cancelButton", "okButton"}) {
      NextDialog next([button](QDialog* dialog) {
        dialog->findChild<QComboBox*>("squelchList")->setCurrentIndex(button[0] == 'c' ? 9 : 4);
        Press(dialog, button);
      });
      command->trigger();
      QCOMPARE(next.title, QString("Optional Features"));
      QVERIFY(document.Image() == blank);
      QVERIFY(!document.IsModified());
    }
    NextDialog next([](QDialog* dialog) {
      dialog->findChild<QComboBox*>("squelchList")->setCurrentIndex(7);
      QTest::keyClicks(dialog->findChild<QWidget*>("aniCodeEdit"), "123");
      Press(dialog, "okButton");
    });
    command->trigger();
    QVERIFY(document.IsModified());
    // OK is one undo step.
    p.frame->Action(command::kEditUndo)->trigger();
    QVERIFY(document.Image() == blank);
    QVERIFY(!document.IsModified());
    p.frame->Action(command::kEditRedo)->trigger();
    p.answers.paths = {p.dir.Path("options.dat")};
    QVERIFY(p.frame->OnFileSave());
    const QByteArray saved = p.dir.ReadFile("options.dat");
    QCOMPARE(saved.mid(offset::kSquelchLevel, 1), QByteArray::fromHex("07"));
    QCOMPARE(saved.mid(offset::kAniCode, 3), QByteArray::fromHex("010203"));
  }

  void closeButtonAndControlBarHideAndShowTheBar() {
    Program p;
    CNavigatorBar* bar = p.frame->NavigatorBar();
    QAction* toggle = p.frame->Action(command::kControlBar);
    QTRY_VERIFY(!bar->Mouse().CloseButton().IsEmpty());  // painted
    const auto& button = bar->Mouse().CloseButton();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(button.left + 8, button.top + 7));
    QVERIFY(!bar->isVisible());
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QVERIFY(bar->isVisible());
    QVERIFY(toggle->isChecked());
  }

};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"

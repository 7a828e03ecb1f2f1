// The navigation bar and the Edit commands through the program: the tree
// and the menu open the editors, Optional Features changes the document,
// the bar's close button and View > Control Bar, and the help pages.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/qt/command_ids.h"
#include "app/qt/help_window.h"
#include "app_fixture.h"
#include "link/gui/transfer_monitor.h"
#include "model/qt/optional_features_dlg.h"
#include "navbar/qt/navigator_bar.h"
#include "navbar/qt/navigator_tree.h"

using namespace selkan;
using namespace selkan::test;

namespace {

// Acts on the next modal dialog once it is up, however it was opened, and
// keeps its title.
class NextDialog : public QObject {
 public:
  explicit NextDialog(std::function<void(QDialog*)> act) {
    connect(&poll_, &QTimer::timeout, this, [this, act] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      poll_.stop();
      title = dialog->windowTitle();
      act(dialog);
    });
    poll_.start(0);
  }
  QString title;

 private:
  QTimer poll_;
};

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
  void treeStandsInTheLanguage() {
    Program p(QStringLiteral("Chinese"));
    QTreeWidgetItem* root = p.frame->NavigatorBar()->Tree()->Root();
    QStringList shown{root->text(0)};
    for (int i = 0; i < root->childCount(); ++i) shown << root->child(i)->text(0);
    QCOMPARE(shown, QString("赛尔坎电台 类型设置 信道信息 可选功能").split(' '));
  }

  // Every child opens its editor, the same one twice in a row too, since
  // the selection returns to the root. A selection change while the pointer
  // is not over an item opens nothing.
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

  // The editors of the image wait for a transfer, and want a document.
  void editorsNeedADocumentAndNoTransfer() {
    Program p;
    QStatusBar* status = p.frame->statusBar();
    {
      TransferMonitor::Scope transfer;
      for (int id : {command::kOptionalFeatures, command::kProductInformation}) {
        p.frame->Action(id)->trigger();
        QVERIFY(status->currentMessage().startsWith("Wait until the transfer"));
      }
    }
    QPointer<CChildFrame> only = p.child;
    only->AllowClose();
    only->close();
    QTRY_VERIFY(!only);
    ClickTreeItem(p.frame, 2);
    QTRY_COMPARE(status->currentMessage(), QString("No document is open."));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void helpPagesForTheDialogAndTheBar() {
    ProgramDir dir;
    COptionalFeaturesDlg dialog{OptionStates{}, Language::English};
    QList<int> ids{command::kOptionalFeatures, command::kControlBar, CNavigatorTree::kControlId};
    for (auto* w : dialog.findChildren<QWidget*>())
      if (w->property("controlId").isValid()) ids << w->property("controlId").toInt();
    QCOMPARE(ids.size(), 3 + 14);
    for (const QString& help : QStringList{"enHelp", "chHelp"})
      for (int id : ids)
        QVERIFY2(!HelpTopicFile(dir.Path(""), help, id).isEmpty(),
                 qPrintable(help + " " + QString::number(id)));
  }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"

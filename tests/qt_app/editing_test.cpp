// The channel editor in the program: the Edit menu over the active
// document's history, and channel lists in and out through the File menu.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QUndoStack>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app_fixture.h"
#include "editor/qt/cell_editors.h"

using namespace selkan;
using namespace selkan::test;

namespace {

QStringList Row(CSelkanView* view, int row) {
  QStringList cells;
  for (int c = 1; c <= 7; ++c) cells << view->Grid()->GetTextMatrix(row, c);
  return cells;
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT
 private slots:
  void theEditMenuWorksOnTheActiveDocument() {
    Program p;
    QAction* undo = p.frame->Action(command::kEditUndo);
    QVERIFY(!undo->isEnabled());
    QApplication::clipboard()->setText("145.5\t\n");
    p.view->SelectCells({2, 1, 2, 1});
    p.frame->Action(command::kEditPaste)->trigger();
    QCOMPARE(undo->text(), QString("&Undo Paste"));
    undo->trigger();
    QCOMPARE(Row(p.view, 2).value(0), QString());
    QVERIFY(p.frame->Action(command::kEditRedo)->isEnabled());
    p.dir.WriteFile("other.dat", Bytes(BlankImage()));
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("other.dat")));
    QVERIFY(!p.frame->Action(command::kEditRedo)->isEnabled());
  }

  // A list comes in as one step, or not at all when a line is bad; what is
  // being typed goes out too; a list that cannot be written is said.
  void channelListsInAndOut() {
    Program p;
    p.dir.WriteFile("own.csv",
                    "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\r\n"
                    "2,145.5,,,,Low,,\r\n");
    p.dir.WriteFile("bad.csv", "Location,Frequency\n1,145.0\n7,\n");
    p.answers.paths = {p.dir.Path("own.csv"), p.dir.Path("bad.csv"), p.dir.Path("out.csv"),
                       p.dir.Path("no/such/dir/x.csv")};
    QAction* import = p.frame->Action(command::kImportChannels);
    import->trigger();
    QCOMPARE(Row(p.view, 2),
             QStringList({"145.50000", "145.50000", "None", "None", "Low", "On", "Wide"}));
    import->trigger();
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    QVERIFY(p.answers.messages[0].text.contains("bad.csv:3: "));
    QCOMPARE(p.view->UndoStack()->count(), 1);
    QCOMPARE(Row(p.view, 2).value(0), QString("145.50000"));

    p.view->Grid()->SetRow(3);
    p.view->CellEditors()->RxEditor()->setText("146");
    p.frame->Action(command::kExportChannels)->trigger();
    const QByteArray csv = p.dir.ReadFile("out.csv");
    QVERIFY(csv.contains("\r\n2,145.50000,145.50000,None,None,Low,On,Wide\r\n"));
    QVERIFY(csv.contains("\r\n3,146.00000,146.00000,None,None,High,On,Wide\r\n"));
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    p.frame->Action(command::kExportChannels)->trigger();
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QVERIFY(p.answers.messages[1].text.contains("x.csv"));
  }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"

// The channel editor in the program: the document window's size, the Edit
// menu and context menu over the active document's history, and channel
// lists in and out through the File menu.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app/qt/mdi_client_wnd.h"
#include "app_fixture.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"

using namespace selkan;
using namespace selkan::test;

namespace {

QStringList Row(CSelkanView* view, int row) {
  QStringList cells;
  for (int c = 1; c <= 7; ++c) cells << view->Grid()->GetTextMatrix(row, c);
  return cells;
}

const QStringList kEmpty = {"", "", "", "", "", "", ""};

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT
 private slots:
  void theDocumentWindowFitsItsFormAndGrowsWhenMaximized() {
    Program p;
    p.frame->showNormal();
    p.frame->resize(1000, 600);  // the main window's size before it is maximized
    CMDIClientWnd* area = p.frame->Client();
    QTRY_COMPARE(p.view->size(), p.view->sizeHint());
    // The whole window, caption buttons included, lies in the area.
    QVERIFY(area->viewport()->rect().contains(p.child->geometry()));
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(area->verticalScrollBar()->maximum(), 0);
    const QSize grid = p.view->Grid()->size();
    p.child->showMaximized();
    QTRY_VERIFY(p.view->Grid()->height() > grid.height());
    QVERIFY(p.view->Grid()->width() > grid.width());
    p.child->showNormal();
    QTRY_COMPARE(p.view->Grid()->size(), grid);
  }

  void theEditMenuWorksOnTheActiveDocument() {
    Program p;
    QAction* undo = p.frame->Action(command::kEditUndo);
    QVERIFY(!undo->isEnabled());
    QApplication::clipboard()->setText("145.5\t\n");
    p.view->SelectCells({2, 1, 2, 1});
    p.frame->Action(command::kEditPaste)->trigger();
    QCOMPARE(p.view->Grid()->GetTextMatrix(2, 2), QString("145.50000"));
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QString("&Undo Paste"));
    undo->trigger();
    QCOMPARE(Row(p.view, 2), kEmpty);
    QCOMPARE(p.frame->Action(command::kEditRedo)->text(), QString("&Redo Paste"));
    // Another document has a history of its own.
    p.answers.paths = {p.dir.Path("second.dat")};
    QVERIFY(p.frame->OnFileSaveAs());
    p.dir.WriteFile("other.dat", p.dir.ReadFile("second.dat"));
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("other.dat")));
    QVERIFY(!p.frame->Action(command::kEditRedo)->isEnabled());
  }

  void theGridsContextMenuOffersTheEditCommands() {
    Program p;
    GridTable* table = p.view->Grid()->Table();
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      for (QAction* action : menu->actions()) offered << action->text();
      menu->close();
    });
    const QPoint cell = table->visualRect(table->model()->index(4, 2)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, cell, table->viewport()->mapToGlobal(cell));
    QApplication::sendEvent(table->viewport(), &event);
    QVERIFY(offered.contains("&Paste"));
    QVERIFY(offered.contains("&Insert Empty Channel"));
    QVERIFY(offered.contains("&Undo"));
  }

  void importReadsEitherListAsOneStepOrNothing() {
    Program p;
    p.dir.WriteFile("own.csv",
                    "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\r\n"
                    "2,145.5,,,,Low,,\r\n");
    // A spreadsheet's export in GBK, names in Chinese.
    p.dir.WriteFile("list.csv",
                    QStringEncoder("GB18030").encode(QString::fromUtf8(
                        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                        "DtcsPolarity,Mode,TStep,Skip,Comment\n"
                        "0,中继,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,NFM,12.50,,\n")));
    p.dir.WriteFile("bad.csv", "Location,Frequency\n1,440.0\n7,\n");
    p.answers.paths = {p.dir.Path("own.csv"), p.dir.Path("list.csv"), p.dir.Path("bad.csv")};
    QAction* import = p.frame->Action(command::kImportChannels);

    import->trigger();
    QCOMPARE(Row(p.view, 2),
             QStringList({"145.50000", "145.50000", "None", "None", "Low", "On", "Wide"}));
    import->trigger();
    QCOMPARE(Row(p.view, 1),
             QStringList({"145.60000", "145.00000", "None", "88.5", "High", "On", "Narrow"}));
    QCOMPARE(Row(p.view, 2), kEmpty);  // channels a list does not name are emptied
    QCOMPARE(p.view->UndoStack()->count(), 2);
    import->trigger();
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    QCOMPARE(p.answers.messages[0].text.split('\n').mid(1),
             QStringList({"bad.csv:2: Rx Frequency \"440.0\": Out of range,please input again.",
                          "bad.csv:3: Frequency \"\" is not a frequency in MHz"}));
    QCOMPARE(p.view->UndoStack()->count(), 2);
    QVERIFY(p.answers.prompts.front().filter.contains("*.csv"));
    p.view->OnEditUndo();
    QCOMPARE(Row(p.view, 2).value(4), QString("Low"));
  }

  void channelsComeInAndGoOutInTheWordsOfTheirPlace() {
    Program p(QStringLiteral("Chinese"));
    p.dir.WriteFile("in.csv",
                    "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\r\n"
                    "1,145.5,,,,Middle,Off,\r\n");
    p.answers.paths = {p.dir.Path("in.csv"), p.dir.Path("out.csv")};
    p.frame->Action(command::kImportChannels)->trigger();
    QCOMPARE(Row(p.view, 1), QStringList({"145.50000", "145.50000", QString::fromUtf8("无"),
                                          QString::fromUtf8("无"), QString::fromUtf8("中"),
                                          QString::fromUtf8("关"), QString::fromUtf8("宽")}));
    // What is being typed goes out too.
    p.view->Grid()->SetRow(3);
    p.view->CellEditors()->RxEditor()->setText("146");
    p.frame->Action(command::kExportChannels)->trigger();
    QVERIFY(p.answers.messages.empty());
    const QByteArray csv = p.dir.ReadFile("out.csv");
    QVERIFY(csv.startsWith("CH,Rx Frequency,"));
    QVERIFY(csv.contains("\r\n1,145.50000,145.50000,None,None,Middle,Off,Wide\r\n"));
    QVERIFY(csv.contains("\r\n3,146.00000,146.00000,None,None,High,On,Wide\r\n"));
    QCOMPARE(p.answers.prompts.back().proposedPath, QString("Selkan.csv"));
  }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"

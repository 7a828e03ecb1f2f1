// The whole program as its user drives it, and its texts in both catalogs.
#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>
#include <cerrno>
#include <cstring>

#include "app/qt/backups_dlg.h"
#include "app/qt/command_ids.h"
#include "app/qt/compare_dlg.h"
#include "app/qt/dialog_font.h"
#include "app/qt/file_prompt.h"
#include "app/qt/fleet_dlg.h"
#include "app/qt/help_window.h"
#include "app/qt/mdi_client_wnd.h"
#include "app/qt/program_options.h"
#include "app_fixture.h"
#include "dialogs/qt/language_dlg.h"
#include "dialogs/qt/program_restart.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "link/backup_store.h"
#include "link/gui/process_dlg.h"
#include "link/gui/transfer_messages.h"
#include "link/port_access.h"
#include "model/channel_codec.h"
#include "navbar/qt/navigator_bar.h"
#include "navbar/qt/navigator_tree.h"
#include "platform/qt/folder_view.h"
#include "platform/qt/help_request.h"

using namespace selkan;
using namespace selkan::test;

namespace {

QString SavedRx(const QString& path, int channel) {
  const RadioImage saved = LoadDatFile(path.toStdString()).image;
  return QString::fromStdString(Cell(DecodeChannel(saved, channel, Language::English), kColRx));
}

// A blank image of the first type, with a mark in bytes no field owns.
RadioImage Image(quint8 mark, quint8 band = 0) {
  RadioImage image = BlankImage();
  image[offset::kRadioType] = 0, image[offset::kBandIndex] = band, image[0xC80] = mark;
  return image;
}
QByteArray Marked(quint8 mark) { return Bytes(Image(mark)); }

quint8 MarkOf(const QByteArray& file) { return static_cast<quint8>(file.at(0xC80)); }

QStringList Row(CSelkanView* view, int row) {
  QStringList cells;
  for (int c = 1; c <= 7; ++c) cells << view->Grid()->GetTextMatrix(row, c);
  return cells;
}

// Picks the language that is not running in the Language dialog and OKs it.
void ChooseTheOtherLanguage(CMainFrame* frame) {
  bool ownPage = false;  // F1 opens the command's page
  NextDialog next([frame, &ownPage](QDialog* dialog) {
    ownPage = F1OpensAHelpPage(dialog, command::kLanguage);
    SetHelpHandler([frame](int id) { frame->ShowHelp(id); });
    auto* language = static_cast<CLanguageDlg*>(dialog);
    (language->ChineseButton()->isChecked() ? language->EnglishButton() : language->ChineseButton())
        ->setChecked(true);
    dialog->accept();
  });
  frame->Action(command::kLanguage)->trigger();
  QVERIFY(ownPage);
}

// Records the program files the frame tries to start.
struct Starts {
  explicit Starts(bool succeed = true) {
    SetProgramStarter([this, succeed](const QString& file) { return files.append(file), succeed; });
  }
  ~Starts() { SetProgramStarter({}); }
  QStringList files;
};

// Clicks a child of the tree's root with the pointer over it.
void ClickTreeItem(CMainFrame* frame, int child) {
  CNavigatorTree* tree = frame->NavigatorBar()->Tree();
  const QPoint at = tree->visualItemRect(tree->Root()->child(child)).center();
  QCursor::setPos(tree->viewport()->mapToGlobal(at));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { QTest::failOnWarning(QRegularExpression("QPainter::(?!begin)|QObject::|QLayout")); }
  // A file that cannot be read, or a catalog missing or unreadable, ends start-up.
  void startUpOpensTheCommandLineFileOrEndsAndTheOptionsAreFound() {
    ProgramDir dir;
    dir.WriteFile("radio.dat", Marked(0x42)), dir.WriteFile("short.dat", QByteArray(100, '\0'));
    Answers answers;
    {
      StartedApp started(dir, {dir.Path("radio.dat")});
      QVERIFY(started.started && started.app.MainFrame()->Children().size() == 1 &&
              !QApplication::windowIcon().isNull());  // title.ico on every window
      QCOMPARE(started.app.MainFrame()->ActiveChild()->Document().Image()[0xC80], 0x42);
      QCOMPARE(started.app.MainFrame()->statusBar()->currentMessage(), "Ready");
      // The window is matched to the menu entry by the entry's file name.
      QVERIFY(QFile::exists(SELKAN_SOURCE_DIR "/resources/desktop/" +
                            QGuiApplication::desktopFileName() + ".desktop"));
    }
    RequestHelp(command::kComSetup);  // the program gone: help goes nowhere
    QVERIFY(!StartedApp(dir, {dir.Path("short.dat")}).started && answers.messages.size() == 1);
    for (const QByteArray& catalog : {QByteArray(), QByteArray("not a catalog")}) {
      dir.Remove("EnglishQ47.qm");
      if (!catalog.isEmpty()) dir.WriteFile("EnglishQ47.qm", catalog);
      QVERIFY(!StartedApp(dir).started);
    }
    QCOMPARE(answers.messages.size(), std::size_t{3});
    // The first file is opened, after "--" too; help and version among Qt's options.
    ProgramOptions options =
        ParseProgramOptions({"Selkan", "--bogus", "--quit-after-start", "a.dat", "b.dat"});
    QVERIFY(options.file == "a.dat" && options.quitAfterStart && !options.help);
    options = ParseProgramOptions({"Selkan", "--", "--version", "-h"});
    QVERIFY(options.file == "--version" && !options.version && !options.help);
    options = ParseProgramOptions({"Selkan", "-platform", "offscreen", "-h"});
    QVERIFY(options.help && !options.version && !options.quitAfterStart);
    options = ParseProgramOptions({"Selkan", "-stylesheet", "a.qss", "--version"});
    QVERIFY(options.version && !options.help);
    QProcess selkan;  // help is an answer, not a failure
    selkan.start(QStringLiteral(SELKAN_BIN_DIR "/Selkan"), {"--help"});
    QVERIFY(selkan.waitForFinished() && selkan.exitCode() == 0 &&
            selkan.readAllStandardOutput().startsWith("usage: Selkan"));
  }

  // Saving marks the history's unchanged point; open and save keep every byte.
  void saveWritesTheGridAndOpenSaveRoundTripsByteForByte() {
    Program p;
    QApplication::clipboard()->setText("145.5\n");
    p.view->SelectCells({199, 1, 199, 1});
    p.view->OnEditPaste();
    p.answers.paths = {p.dir.Path("first.dat")};
    QVERIFY(p.frame->OnFileSave() && !p.child->Document().IsModified());
    QCOMPARE(SavedRx(p.dir.Path("first.dat"), 199), QStringLiteral("145.50000"));
    p.view->OnEditUndo();
    QVERIFY(p.child->Document().IsModified());
    p.view->OnEditRedo();
    QVERIFY(!p.child->Document().IsModified());

    const QByteArray first = p.dir.ReadFile("first.dat");
    p.answers.paths = {p.dir.Path("first.dat"), p.dir.Path("second.dat")};
    p.frame->Action(command::kFileOpen)->trigger();  // the menus reach Open and Save As
    p.frame->Action(command::kFileSaveAs)->trigger();
    QCOMPARE(p.dir.ReadFile("second.dat"), first);
    const FilePromptRequest open = p.answers.prompts.at(1);            // for a configuration
    QVERIFY(p.frame->OnFileSave() && p.answers.prompts.size() == 3 &&  // its file: not asked
            open.kind == FilePromptKind::Open && open.files == FileKind::Configuration);
    QVERIFY(p.frame->close() && p.answers.messages.empty());
  }

  // A document is replaced or left only when that succeeded. Close hides, Channel Information
  // shows; open reads the file as it is now. Save asks before writing over a file changed since:
  // Cancel, Save As, Overwrite.
  void documentsComeBackAsTheirFileIsNowAndAreReplacedOrSavedOnlyOnSuccess() {
    Program p;
    p.answers.paths = {QString(), p.dir.Path("no/such/folder/x.dat")};
    QVERIFY(!p.frame->OnFileSave() && p.answers.messages.empty());  // cancelled: nothing said
    QVERIFY(!p.frame->OnFileSave() && !p.frame->OpenDocumentFile(p.dir.Path("absent.dat")));
    QVERIFY(p.Said(0).endsWith("x.dat.\nNo such file or directory") &&
            p.Said(1).contains("absent.dat"));
    QVERIFY(!p.Open("short.dat", QByteArray(4095, '\x11')) && p.Told() == 3);
    p.answers.buttons = {QMessageBox::Cancel};  // New warns first: Cancel keeps the document
    QVERIFY(!p.frame->OnFileNew() && p.frame->Children().size() == 1 && p.child->isVisible());
    QVERIFY(p.frame->OnFileNew() && p.frame->Children().size() == 1);  // OK: the old one goes
    p.answers.messages.clear();
    QVERIFY(p.Open("a.dat", Marked(0)));
    CChildFrame* a = p.frame->ActiveChild();
    QApplication::clipboard()->setText("145.5\n");
    a->View()->SelectCells({2, 1, 2, 1});
    p.frame->Action(command::kEditPaste)->trigger();
    p.frame->Client()->setActiveSubWindow(nullptr), a->showMinimized();  // unchanged: nothing
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("a.dat")) &&  // asked, made active, restored
            p.frame->Client()->activeSubWindow() == a && !a->isMinimized());
    p.answers.buttons = {QMessageBox::No, QMessageBox::Cancel, QMessageBox::Discard,
                         QMessageBox::Yes};
    QVERIFY(p.Open("a.dat", Marked(0x22)) && p.frame->ActiveChild() == a && !a->close());
    QAction* undo = p.frame->Action(command::kEditUndo);
    QVERIFY(!undo->isEnabled());
    p.frame->Action(command::kChannelInformation)->trigger();
    QVERIFY(undo->isEnabled() && Row(a->View(), 2).value(0) == "145.50000");

    p.frame->Action(command::kFileClose)->trigger();
    QVERIFY(!p.frame->OpenDocumentFile(p.dir.Path("./a.dat")) && !a->isVisible());  // Cancel
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("./a.dat")));                      // Discard
    CChildFrame* reopened = p.frame->ActiveChild();
    QVERIFY(reopened->Document().Image()[0xC80] == 0x22 &&
            Row(reopened->View(), 2).value(0).isEmpty() && !undo->isEnabled());
    reopened->View()->Grid()->SetRow(2),
        reopened->View()->CellEditors()->RxEditor()->setText("146");
    QVERIFY(p.Open("a.dat", Marked(0x33)));  // Reload: what is typed in a cell is a change lost
    QCOMPARE(p.frame->ActiveChild()->Document().Image()[0xC80], 0x33);
    QVERIFY(p.Told() == 4 && p.Said(3).contains("a.dat") && p.Said(3).endsWith("are lost.") &&
            p.frame->Children().size() == 2);
    CChildFrame* readAgain = p.frame->ActiveChild();
    QVERIFY(p.Open("c.dat", Marked(0)) && !readAgain->isVisible());  // a.dat steps aside
    p.frame->ActiveChild()->Document().Image()[0xC80] = 0x11;
    p.dir.WriteFile("c.dat", Marked(0x22));
    p.answers.buttons = {QMessageBox::Cancel, QMessageBox::Save, QMessageBox::Yes};
    p.answers.paths = {p.dir.Path("d.dat")};
    QAction* save = p.frame->Action(command::kFileSave);
    save->trigger(), save->trigger();
    QVERIFY(MarkOf(p.dir.ReadFile("c.dat")) == 0x22 && MarkOf(p.dir.ReadFile("d.dat")) == 0x11);
    save->trigger();  // d.dat is the document's own: nothing asked
    p.dir.WriteFile("d.dat", Marked(0x33)), save->trigger();
    QCOMPARE(MarkOf(p.dir.ReadFile("d.dat")), quint8{0x11});
    QVERIFY(p.Told() == 4 + 3 && p.Said(4 + 1).contains("c.dat"));
    p.dir.WriteFile("d.dat", Marked(0x44));  // on the real box Enter cancels: no name asked
    SetMessageHandler({});
    NextDialog enter([](QDialog* box) { QTest::keyClick(box, Qt::Key_Return); });
    save->trigger();
    QVERIFY(MarkOf(p.dir.ReadFile("d.dat")) == 0x44 && p.answers.prompts.size() == 2 + 1);
    QString details;  // a real box shows the details it is given
    NextDialog shown([&details](QDialog* box) {
      details = qobject_cast<QMessageBox*>(box)->detailedText(), box->reject();
    });
    ShowMessage({p.frame, "", "Port"}, "COM1: gone");
    QCOMPARE(details, "COM1: gone");
    for (CChildFrame* child : p.frame->Children()) child->show();
    p.frame->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), p.frame);
    CChildFrame* d = p.frame->ActiveChild();  // F6 and Shift+F6: to the next window and back
    p.frame->Action(command::kNextPane)->trigger();
    CChildFrame* other = p.frame->ActiveChild();
    p.frame->Action(command::kPrevPane)->trigger();
    QVERIFY(other != d && other != nullptr && p.frame->ActiveChild() == d);
  }

  // Options: Cancel changes nothing, nor OK without a change (4 is the blank's level). Product
  // Information: OK is one step of history and sets band limits and caption; Cancel nothing.
  void optionalFeaturesAndProductInformationOkAndCancel() {
    Program p;
    CSelkanDoc& document = p.child->Document();
    const RadioImage blank = document.Image();
    for (const auto& [button, squelch, changed] :
         {std::tuple{"cancelButton", 9, false}, {"okButton", 4, false}, {"okButton", 7, true}}) {
      NextDialog next([button = button, squelch = squelch](QDialog* dialog) {
        dialog->findChild<QComboBox*>("squelchList")->setCurrentIndex(squelch);
        dialog->findChild<QPushButton*>(button)->click();
      });
      p.frame->Action(command::kOptionalFeatures)->trigger();
      QVERIFY((document.Image() != blank) == changed && document.IsModified() == changed);
    }
    QCOMPARE(int(document.Image()[offset::kSquelchLevel]), 7);
    p.frame->Action(command::kEditUndo)->trigger();  // OK is one step
    QVERIFY(document.Image() == blank && !document.IsModified());
    for (const bool ok : {false, true}) {  // the second band chosen: Cancel, then OK
      NextDialog next([ok](QDialog* dialog) {
        dialog->findChild<QComboBox*>("bandList")->setCurrentIndex(1);
        ok ? dialog->accept() : dialog->reject();
      });
      p.frame->Action(command::kProductInformation)->trigger();
      QVERIFY(p.view->GetBandLimits().lower == (ok ? 40000000 : 13600000) &&
              document.IsModified() == ok);
    }
    QCOMPARE(p.frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-100  Fre:400 - 470MHz ]"));
    QCOMPARE(p.started.registryPtr->ReadValueOrZero("Software\\Selkan", "Field"), 1u);
    p.frame->Action(command::kEditUndo)->trigger();
    QVERIFY(document.Image()[offset::kBandIndex] == 0 && !document.IsModified());
    QVERIFY(p.view->GetBandLimits().lower == 13600000 &&
            p.frame->windowTitle().endsWith("174MHz ]"));
  }

  // The dialog opens on the document's own band: OK then changes nothing.
  void productInformationOpensOnTheDocumentsOwnChoice() {
    for (const bool opened : {true, false}) {  // band 1 opened last, or read and undone
      Program p;
      if (opened) {
        QVERIFY(p.Open("b.dat", Bytes(Image(0, 1))));
        p.child->showNormal(), p.frame->Client()->setActiveSubWindow(p.child);
      } else {
        p.view->TakeReadImage(Image(0, 1)), p.frame->Action(command::kEditUndo)->trigger();
      }
      const QString caption = p.frame->windowTitle();
      const QUndoStack* history = p.view->UndoStack();
      const QPoint steps(history->count(), history->index());
      NextDialog ok([](QDialog* dialog) { dialog->accept(); });
      p.frame->Action(command::kProductInformation)->trigger();
      QVERIFY(p.child->Document().Image()[offset::kBandIndex] == 0 &&
              !p.child->Document().IsModified() && p.frame->windowTitle() == caption);
      QCOMPARE(QPoint(history->count(), history->index()), steps);
      QCOMPARE(p.started.registryPtr->ReadValueOrZero("Software\\Selkan", "Field"), 1u);
    }
  }

  // Each modified document (a cell being typed in too) is asked for at exit.
  void quittingAsksPerModifiedDocument() {
    Program p;
    p.view->Grid()->SetRow(2);  // opens the Rx editor over channel 2
    p.view->CellEditors()->RxEditor()->setText("136.5");
    QVERIFY(p.Open("a.dat", Bytes(BlankImage())));
    QCOMPARE(p.frame->Children()[1]->pos(), QPoint(0, 0));  // at the top left, as the first
    CSelkanDoc& a = p.frame->Children()[1]->Document();
    a.SetModified(true), a.Image()[0xC80] = 0x33;
    p.answers.buttons = {QMessageBox::Cancel};  // File > Exit asks as closing the window does
    p.frame->Action(command::kAppExit)->trigger();
    QVERIFY(p.frame->isVisible() && p.Told() == 1);
    p.answers.buttons = {QMessageBox::Save, QMessageBox::Save};
    p.answers.paths = {p.dir.Path("typed.dat")};
    QVERIFY(p.frame->close() && p.Told() == 3 && p.Said(2).contains("a.dat"));
    QCOMPARE(SavedRx(p.dir.Path("typed.dat"), 2), QStringLiteral("136.50000"));
    QCOMPARE(static_cast<quint8>(p.dir.ReadFile("a.dat")[0xC80]), quint8{0x33});
  }

  void theEditMenuAndChannelListsWorkOnTheActiveDocument() {
    Program p;
    QAction* undo = p.frame->Action(command::kEditUndo);
    QVERIFY(!undo->isEnabled());
    QApplication::clipboard()->setText("145.5\t\n");
    p.view->SelectCells({2, 1, 2, 1});
    p.frame->Action(command::kEditPaste)->trigger();
    p.frame->Action(command::kInsertChannel)->trigger();
    p.view->SelectCells({3, 1, 3, 1});  // the channel moved down: Cut on the grid's menu takes it
    QTimer::singleShot(0, p.view, [cut = p.frame->Action(command::kEditCut)] {
      QWidget* menu = QApplication::activePopupWidget();
      if (menu && menu->actions().size() == 14 && menu->actions().contains(cut)) cut->trigger();
      if (menu) menu->close();
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, {20, 20}, {20, 20});
    QApplication::sendEvent(p.view->Grid()->Table()->viewport(), &click);
    QVERIFY(Row(p.view, 3)[0].isEmpty() && QApplication::clipboard()->text() == "145.50000\n" &&
            undo->text() == "&Undo Cut");
    undo->trigger(), undo->trigger(), undo->trigger();
    QVERIFY(Row(p.view, 2).value(0).isEmpty() && p.frame->Action(command::kEditRedo)->isEnabled());
    QCOMPARE(p.frame->Action(command::kEditRedo)->text(), "&Redo Paste");  // the step it redoes
    // Values pasted past the grid are counted in words that agree.
    QApplication::clipboard()->setText("Wide\tx\ty\n1\n");
    p.view->SelectCells({199, 7, 199, 7});
    p.frame->Action(command::kEditPaste)->trigger();
    QVERIFY(p.Said(0).contains("\n1 value below channel 199\n2 values right of the last column"));
    p.frame->Action(command::kEditSelectAll)->trigger();  // every channel, every column
    QVERIFY(p.view->SelectedRange() == (CellRange{1, 1, 199, 7}));
    QVERIFY(p.Open("other.dat", Marked(0)) && !p.frame->Action(command::kEditRedo)->isEnabled());
    // Import as one step, unfit rows only when told; export says what it cannot.
    p.view = p.frame->ActiveChild()->View();
    p.dir.WriteFile("own.csv",
                    "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\r\n"
                    "2,145.5,,,,Low,,\r\n");
    p.dir.WriteFile("bad.csv", "Location,Name,Frequency\n1,a,145.0\n7,b,\n");
    const QString own = p.dir.Path("own.csv"), bad = p.dir.Path("bad.csv");
    QUndoStack* history = p.view->UndoStack();
    const auto run = [&](const QString& path, std::deque<QMessageBox::StandardButton> buttons) {
      p.answers.messages.clear();
      p.answers.paths = {path};
      p.answers.buttons = std::move(buttons), p.frame->Action(command::kImportChannels)->trigger();
      QVERIFY(p.answers.buttons.empty());
    };
    run(p.dir.Path("absent.csv"), {});  // Replacing all asks no more while no channel is in use.
    QVERIFY(p.Said(0).startsWith("Cannot open the file " + p.dir.Path("absent")));
    run(own, {QMessageBox::Yes});
    QCOMPARE(Row(p.view, 2),
             QStringList({"145.50000", "145.50000", "None", "None", "Low", "On", "Wide"}));
    QVERIFY(p.Told() == 2 && p.Said(0).contains("own.csv") &&
            p.Said(1).contains("Channels imported: 1."));
    run(own, {QMessageBox::Yes, QMessageBox::Cancel});  // the one in use named; kept on Cancel
    QVERIFY(p.Said(1).startsWith("Replace all channels? The channel in use now"));
    // From the first selected channel, then after the last in use.
    p.view->SelectCells({5, 1, 6, 1});
    run(own, {QMessageBox::YesToAll});
    QCOMPARE(Row(p.view, 5).value(0), QString("145.50000"));
    p.view->Grid()->SetRow(7);  // a channel being typed in is in use
    p.view->CellEditors()->RxEditor()->setText("146");
    run(own, {QMessageBox::NoToAll});
    QVERIFY(Row(p.view, 7).value(0) == "146.00000" && Row(p.view, 8).value(0) == "145.50000" &&
            p.Said(0).endsWith("\nAppend: after channel 7, the last in use."));
    QCOMPARE(history->count(), 4);
    // Replacing all names the channels in use; unfit rows are listed, skipped only when told.
    p.view->Grid()->SetTextMatrix(4, 2, QStringLiteral("146.00000"));  // a Tx alone is use too
    run(bad, {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Cancel});
    QVERIFY(p.Said(1).contains("The 5 channels in use now"));
    QVERIFY(p.Said(2).contains("bad.csv:3: Frequency \"\" is not a frequency in MHz"));
    QCOMPARE(history->count(), 4);
    run(bad, {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes});
    QVERIFY(p.Said(3).contains("Skipped line 3"));
    QVERIFY(Row(p.view, 1).value(0) == "145.00000" && Row(p.view, 2).value(0).isEmpty());
    p.frame->Action(command::kEditUndo)->trigger();  // one step
    QVERIFY(Row(p.view, 1).value(0).isEmpty() && Row(p.view, 8).value(0) == "145.50000");
    p.view->Grid()->SetTextMatrix(199, 1, "146.00000");  // after channel 199: nowhere to go
    run(own, {QMessageBox::NoToAll});
    QVERIFY(p.Said(1).contains("no channel is left") && history->canRedo());

    p.view->Grid()->SetRow(3), p.view->CellEditors()->RxEditor()->setText("146");
    p.answers.messages.clear();
    p.answers.paths = {p.dir.Path("out.csv"), p.dir.Path("no/such/dir/x.csv")};
    p.frame->Action(command::kExportChannels)->trigger();
    const QByteArray csv = p.dir.ReadFile("out.csv");
    QVERIFY(csv.contains("\r\n2,145.50000,145.50000,None,None,Low,On,Wide\r\n"));
    QVERIFY(csv.contains("\r\n3,146.00000,146.00000,None,None,High,On,Wide\r\n"));
    p.frame->Action(command::kExportChannels)->trigger();
    QVERIFY(p.Told() == 1 && p.Said(0).endsWith("x.csv.\nNo such file or directory"));

    p.view->Grid()->SetTextMatrix(4, 2, "438.10000");  // transmit only
    p.answers.paths = {p.dir.Path("radio.csv"), p.dir.Path("again.csv")};
    p.answers.filters = {1};
    for (const char* file : {"radio.csv", "again.csv"}) {
      p.frame->Action(command::kExportChannels)->trigger();
      QVERIFY(p.dir.ReadFile(file).contains("\r\n2,,145.500000,,0.000000,,88.5,"));
    }
    QVERIFY(p.answers.offeredFilter == 1 && p.Told() == 3);
    QVERIFY(p.Said(1).startsWith(
        "1 channel in use could not be written to radio.csv:\nChannel 4: transmit only"));
  }

  void treeItemsOpenTheirEditorsAndTheBarHidesAndShows() {
    Program p;
    for (const auto& [child, title] : {std::pair{0, "Product Information"},
                                       {2, "Optional Features"},
                                       {2, "Optional Features"}}) {
      NextDialog next([](QDialog* dialog) { dialog->reject(); });
      ClickTreeItem(p.frame, child);
      QTRY_COMPARE(next.title, QString(title));
    }
    CNavigatorBar* bar = p.frame->NavigatorBar();
    QAction* toggle = p.frame->Action(command::kControlBar);
    QTRY_VERIFY(!bar->Mouse().CloseButton().IsEmpty());                      // painted
    QVERIFY(toggle->isChecked() && p.frame->Client()->x() >= bar->width());  // beside, not over
    const auto& button = bar->Mouse().CloseButton();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(button.left + 8, button.top + 7));
    QVERIFY(!bar->isVisible() && !toggle->isChecked());
    toggle->trigger();
    QVERIFY(bar->isVisible() && toggle->isChecked());
    QToolBar* tools = p.frame->findChild<QToolBar*>();  // and so the toolbar, both ways
    p.frame->Action(command::kViewToolbar)->trigger(), tools->show();
    QVERIFY(tools->isVisible() && p.frame->Action(command::kViewToolbar)->isChecked() &&
            p.frame->toolBarArea(tools) == Qt::TopToolBarArea);
    QStatusBar* status = p.frame->statusBar();
    for (const bool shown : {false, true}) {  // and the status bar
      p.frame->Action(command::kViewStatusBar)->trigger();
      QVERIFY(status->isVisible() == shown &&
              p.frame->Action(command::kViewStatusBar)->isChecked() == shown);
    }
    int indicators = 0;  // CAP, NUM and SCRL at the status bar's right end, greyed: unknown
    for (const QLabel* label : status->findChildren<QLabel*>())
      indicators += QStringList({"CAP", "NUM", "SCRL"}).contains(label->text()) &&
                    label->isVisible() && !label->isEnabled() && label->x() > status->width() / 2;
    QCOMPARE(indicators, 3);
    p.frame->showNormal(), p.frame->resize(300, 250);  // smaller than the document's window:
    QScrollBar* across = p.frame->Client()->horizontalScrollBar();  // scrolled to it
    QTRY_VERIFY(across->isVisible() && p.frame->Client()->verticalScrollBar()->isVisible());
    p.child->close();  // hides it: nothing to scroll to, until shown again
    QTRY_VERIFY(!across->isVisible());
    CNavigatorTree* tree = p.frame->NavigatorBar()->Tree();   // nor by an item made current
    QCursor::setPos(p.frame->mapToGlobal(QPoint(900, 500)));  // away from the pointer
    tree->setCurrentItem(tree->Root()->child(1));
    QTRY_COMPARE(tree->currentItem(), tree->Root());
    QVERIFY(!p.child->isVisible());
    ClickTreeItem(p.frame, 1);
    QTRY_VERIFY(p.child->isVisible() && across->isVisible());
    // Behind the windows, the background's tiles from the top left corner, the last ones cut.
    QCOMPARE(TileOrigins({100, 50}, {40, 30}),
             (std::vector<QPoint>{{0, 0}, {0, 30}, {40, 0}, {40, 30}, {80, 0}, {80, 30}}));
    QVERIFY(TileOrigins({100, 50}, {0, 30}).empty() && TileOrigins({100, 50}, {40, 0}).empty());
  }

  // F1 opens the index, menu items have pages, buttons icons; no document, fewer menus.
  void printAsksForPagesThenHelpMenusAndToolbar() {
    Program p;
    for (int row : {1, 2, 3, 5, 6, 7, 8, 30})  // three pages, a gap among them
      p.view->Grid()->SetTextMatrix(row, 1, QStringLiteral("438.10000"));
    int lastPage = 0;
    NextDialog answer([&lastPage](QDialog* dialog) {
      lastPage = qobject_cast<QPrintDialog*>(dialog)->maxPage();
      dialog->reject();  // cancelled: nothing printed
    });
    const QString path = p.dir.Path("printed.pdf");
    p.frame->Printer().setOutputFormat(QPrinter::PdfFormat);
    p.frame->Printer().setOutputFileName(path), p.frame->Action(command::kFilePrint)->trigger();
    QVERIFY(lastPage == 3 && !QFile::exists(path));
    NextDialog setup([](QDialog* dialog) {  // Print Setup sets the printer's page
      dialog->findChild<QRadioButton*>("landscape")->click(), dialog->accept();
    });
    p.frame->Action(command::kFilePrintSetup)->trigger();
    QCOMPARE(p.frame->Printer().pageLayout().orientation(), QPageLayout::Landscape);
    QSize previewSize;  // as large as the main window: the pages need room
    NextDialog preview([&](QDialog* dialog) {
      lastPage = dialog->findChild<QPrintPreviewWidget*>()->pageCount(),
      previewSize = dialog->size(), dialog->reject();
    });
    lastPage = 0;  // all pages, whatever range a print took last
    p.frame->Printer().setPrintRange(QPrinter::PageRange), p.frame->Printer().setFromTo(2, 2);
    p.frame->Printer().setDocName({});  // the preview's job is named after the document too
    p.frame->Action(command::kFilePrintPreview)->trigger();
    QVERIFY(lastPage == 3 && previewSize == p.frame->size() &&
            p.frame->Printer().docName().toStdString() == p.child->Document().Title());
    p.answers.paths = {p.dir.Path("listing.pdf"), p.dir.Path("listing.pdf/x.pdf")};
    for (int i = 0; i < 2; ++i) p.frame->Action(command::kExportPdf)->trigger();
    QVERIFY(p.dir.ReadFile("listing.pdf").startsWith("%PDF-") && p.Told() == 1 &&
            p.Said(0).startsWith("Cannot save the file " + p.dir.Path("listing.pdf/x")) &&
            p.Said(0).endsWith(".pdf.\n" + QString::fromLocal8Bit(std::strerror(ENOTDIR))));
    p.frame->Printer().setPrintRange(QPrinter::PageRange), p.frame->Printer().setFromTo(2, 2);
    p.frame->Printer().setDocName({});                      // named again, as below
    p.view->Grid()->SetCol(1), p.view->Grid()->SetRow(31);  // a channel being typed in is listed
    p.view->CellEditors()->RxEditor()->setText("146.5");
    p.frame->Action(command::kFilePrintDirect)->trigger();  // all pages too
    QProcess pdftotext, pdfinfo;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});  // the job is named after the document
    QVERIFY(pdftotext.waitForFinished() && pdfinfo.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains("Page 3 of 3") && text.contains("146.50000"), qPrintable(text));
    QVERIFY(pdfinfo.readAllStandardOutput().simplified().startsWith(
        "Title: " + QByteArray::fromStdString(p.child->Document().Title())));
    p.view->OnEditUndo();  // channel 31 as it was
    p.frame->Printer().setOutputFileName(p.dir.Path("no/such/y.pdf"));
    p.frame->Action(command::kFilePrintDirect)->trigger();
    QVERIFY(p.Told() == 2 && p.answers.messages[1].caption == "Selkan Radio" &&
            p.Said(1) == "The listing could not be printed.");
    QVERIFY(QFile::link(SELKAN_BIN_DIR "/enHelp", p.dir.Path("enHelp")));
    p.frame->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), p.frame);
    p.frame->setFocus(), QTest::keyClick(p.frame, Qt::Key_F1);
    auto* help = p.frame->findChild<CHelpWindow*>();
    auto* page = help ? help->findChild<QTextBrowser*>() : nullptr;  // the page fills its window
    QVERIFY(page && help->isVisible() && help->windowTitle() == "Selkan help" &&
            page->size() == help->size());
    QTest::keyClick(page, Qt::Key_Tab), QTest::keyClick(page, Qt::Key_Return);  // the first link
    QCOMPARE(page->source().fileName() + help->windowTitle(), QString("57600.htmlNew"));
    p.frame->activateWindow();  // F1 again: the open help window comes forward
    QTRY_COMPARE(QApplication::activeWindow(), p.frame);
    QTest::keyClick(p.frame, Qt::Key_F1);
    QTRY_COMPARE(QApplication::activeWindow(), help);
    QString shown;  // F1 in a dialog outside its lists: the dialog's page, made modal to be read
    NextDialog features([&shown, help, page](QDialog* dialog) {
      auto* ok = dialog->findChild<QPushButton*>("okButton");
      ok->setFocus(), QTest::keyClick(ok, Qt::Key_F1);
      shown = QApplication::activeModalWidget() == help ? page->source().toLocalFile() : "";
      QTest::keyClick(help, Qt::Key_Escape), dialog->reject();  // Escape closes the help
    });
    p.frame->Action(command::kOptionalFeatures)->trigger();
    QVERIFY(shown == HelpTopicFile(p.dir.Path(""), "enHelp", command::kOptionalFeatures) &&
            !help->isVisible());
    QWidget* tree = p.frame->NavigatorBar()->Tree();  // a focused control: its own page
    p.frame->activateWindow(), tree->setFocus();
    QTRY_VERIFY(tree->hasFocus());
    QApplication::clipboard()->setText("145");  // the view's keys are its own: not the tree's
    QTest::keyClick(tree, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!p.child->Document().IsModified());
    QTest::keyClick(tree, Qt::Key_F1);
    QCOMPARE(page->source().toLocalFile(),
             HelpTopicFile(p.dir.Path(""), "enHelp", tree->property("controlId").toInt()));
    QMenu* file = p.frame->menuBar()->actions().at(0)->menu();  // F1 on a menu item; on none,
    file->popup({}), QTest::keyClick(file, Qt::Key_F1);         // nothing
    QVERIFY(file->isVisible());
    file->setActiveAction(p.frame->Action(command::kFileSave));
    QCOMPARE(p.frame->statusBar()->currentMessage(), "Save the active document");  // its prompt
    QTest::keyClick(file, Qt::Key_F1);
    QVERIFY(!file->isVisible() && page->source().fileName() == "57603.html");
    QCOMPARE(p.frame->statusBar()->currentMessage(), "Ready");  // once the menu is gone
    QList<int> ids;  // each command once, with a page in both languages; groups parted
    int separators = 0;
    for (QAction* menu : p.frame->menuBar()->actions())
      for (QAction* item : menu->menu()->actions()) {
        separators += item->isSeparator();
        if (!item->isSeparator()) ids << item->data().toInt();
      }
    QVERIFY(separators == 8 && ids.size() == 38);  // none lost to another's id
    QList<int> topics = ids;  // and each control F1 may be pressed on, the grid's editors too
    for (QWidget* control : p.frame->findChildren<QWidget*>())
      if (control->property("controlId").isValid() && control->focusPolicy() != Qt::NoFocus)
        topics << control->property("controlId").toInt();
    for (int id : topics)
      QVERIFY2(ids.count(id) <= 1 && !HelpTopicFile(SELKAN_BIN_DIR, "enHelp", id).isEmpty() &&
                   !HelpTopicFile(SELKAN_BIN_DIR, "chHelp", id).isEmpty(),
               qPrintable(QString::number(id)));
    QString drawn;  // each button's tip and its icon: how opaque and how dark each pixel is
    for (QAction* button : p.frame->findChild<QToolBar*>()->actions()) {
      if (button->isSeparator()) continue;
      const QImage icon = button->icon().pixmap(18, 18).toImage();
      QByteArray shape(18 * 18, '0');
      for (int i = 0; i < shape.size(); ++i) {
        const QRgb pixel = icon.pixel(i % 18, i / 18);
        shape[i] += qAlpha(pixel) / 64 * 4 + qGray(pixel) / 64;
      }
      drawn += button->toolTip() + QString::number(qChecksum(shape));
    }
    QCOMPARE(drawn, "New59328Open25428Save5192Read61233Write17743Print5552About46602");
    NextDialog withDocument([](QDialog* dialog) { dialog->reject(); });
    p.frame->Action(command::kAppAbout)->trigger();  // About, by its button, as below by its menu
    QCOMPARE(withDocument.title, "About Selkan");
    delete p.child;  // no document: fewer menus, nothing to transfer
    QCOMPARE(p.frame->menuBar()->actions().size(), 3);
    for (int id : {command::kRead, command::kWrite, command::kCompareWithRadio, command::kFilePrint,
                   command::kProgramSeveralRadios, command::kComSetup})
      QVERIFY(!p.frame->Action(id)->isEnabled());
    QString about;  // Help > About: the profile's texts, the title's icon, as every dialog's
    QCOMPARE(QApplication::windowIcon().pixmap(32).toImage(),
             p.frame->windowIcon().pixmap(32).toImage());
    NextDialog next([&about](QDialog* dialog) {
      for (auto* label : dialog->findChildren<QLabel*>()) about += label->text() + '|';
      about += QString::number(dialog->findChild<QLabel*>()->pixmap().isNull()), dialog->reject();
    });
    QMenu* helpMenu = p.frame->menuBar()->actions().back()->menu();  // its prompt, as with one
    helpMenu->popup({}), helpMenu->setActiveAction(helpMenu->actions().at(0));
    QCOMPARE(p.frame->statusBar()->currentMessage(),
             p.frame->Action(command::kAppAbout)->statusTip());
    helpMenu->hide(), helpMenu->actions().at(0)->trigger();
    QVERIFY(next.title == "About Selkan" &&
            p.frame->Action(command::kAppAbout)->text() == next.title &&
            about.endsWith("Version 1.0|Copyright (C) 2026|Selkan Radio Co., Ltd.|0"));
    p.frame->Action(command::kChannelInformation)->trigger();
    p.frame->Action(command::kFileNew)->trigger();
    QVERIFY(!p.frame->isMaximized() && p.frame->menuBar()->actions().size() == 6);
    // A maximized document's window buttons stand in the menu bar, and go as it is closed.
    CChildFrame* child = p.frame->ActiveChild();
    child->showMaximized();
    QWidget* buttons = p.frame->menuBar()->cornerWidget(Qt::TopRightCorner);
    child->close();
    QVERIFY(buttons != nullptr && p.frame->menuBar()->cornerWidget(Qt::TopRightCorner) == nullptr);
  }

  // Open takes a file that is there, Save adds its suffix; each returns the file type chosen.
  void theFileChoosersOpenAndSave() {
    QTemporaryDir dir;
    QFile(dir.filePath("list")).open(QIODevice::WriteOnly);
    for (const auto& [kind, chosen] :
         {std::pair{FilePromptKind::Open, "list"}, {FilePromptKind::Save, "list.csv"}}) {
      const int offered = kind == FilePromptKind::Save;  // the first type, or the second
      QStringList types;  // a file of any name can be opened, a list only saved as one
      bool asked = false;
      NextDialog next([&](QDialog* dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(dialog);
        types = chooser->nameFilters();
        asked = chooser->selectedNameFilter() == types.value(offered) &&
                (chooser->fileMode() == QFileDialog::ExistingFile) == !offered;
        chooser->selectNameFilter(types.value(1 - offered));
        chooser->selectFile(dir.filePath("list")), dialog->accept();
      });
      int filter = offered;
      const auto path = AskFilePath({.kind = kind,
                                     .filter = "Text (*.txt);;Lists (*.csv)",
                                     .defaultSuffix = "csv",
                                     .chosenFilter = &filter});
      QVERIFY(asked && path.value_or(QString()) == dir.filePath(chosen) && filter == 1 - offered);
      QCOMPARE(types.size() == 3, kind == FilePromptKind::Open);
    }
  }

  // The fleet window comes to the front, laid out; a missing port ends a run. Backups are
  // listed, filtered, compared, shown, deleted and opened as copies.
  void severalRadiosWithoutARadioAndTheBackupsWindow() {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("SELKAN_COM1", data.filePath("none").toLocal8Bit());
    int pty[2] = {-1, -1};  // COM2 (below): a line on which no radio answers, open to the end
    const auto closePty = qScopeGuard([&pty] { ::close(pty[0]), ::close(pty[1]); });
    Program p;
    p.frame->Action(command::kProgramSeveralRadios)->trigger();
    CFleetDlg* fleet = p.frame->FleetWindow();  // naming the document from the start
    QCOMPARE(fleet->DocumentLine()->text(), "Document: " + p.child->windowTitle());
    p.frame->activateWindow(), p.frame->Action(command::kProgramSeveralRadios)->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), fleet);
    QTest::keyClick(fleet, Qt::Key_R, Qt::AltModifier);
    QVERIFY(fleet->CountBox()->hasFocus() && fleet->CountBox()->x() > 0 &&  // beside an option,
            fleet->CountBox()->text() == "until stopped");  // 0 named for what it does
    const auto row = [fleet](QWidget* w) { return w->mapTo(fleet, w->rect().center()).y(); };
    QVERIFY(qAbs(row(fleet->CountBox()) - row(fleet->findChild<QCheckBox*>("backupCheck"))) <= 2);
    for (int port = 0; port < 4; ++port)  // below the options, each status and bar beside its port
      QVERIFY(row(fleet->PortCheck(port)) > row(fleet->CountBox()) &&
              fleet->PortCheck(port)->geometry().right() < fleet->PortStatus(port)->x() &&
              row(fleet->PortProgress(port)) == row(fleet->PortCheck(port)) &&
              fleet->PortProgress(port)->value() == 0);         // showing 0 %, not nothing
    QCOMPARE(fleet->findChildren<QCheckBox*>().size(), 4 + 4);  // the options and COM1..COM4
    p.answers.paths = {p.dir.Path("club.dat")};  // renamed with the window open: Start names it
    p.frame->Action(command::kFileSaveAs)->trigger();
    QFile blocker(data.filePath("Selkan/backups"));  // no folder for the run's log: said, no run
    QVERIFY(QDir(data.path()).mkpath("Selkan") && blocker.open(QIODevice::WriteOnly));
    fleet->PortCheck(0)->setChecked(true), fleet->Button("start")->click();
    QVERIFY(!fleet->Running() && blocker.remove());
    for (bool chosen : {false, true}) {  // without a port chosen: said, not run, no bar
      fleet->PortCheck(0)->setChecked(chosen), fleet->Button("start")->click();
      QVERIFY(fleet->PortProgress(0)->isEnabled() == chosen &&
              fleet->Button("stop")->isEnabled() == chosen && fleet->Running() == chosen &&
              std::ranges::none_of(fleet->findChildren<QCheckBox*>(), [chosen](QCheckBox* box) {
                return box->isEnabled() == chosen;  // ports and options are chosen before a run
              }));
    }
    QTRY_VERIFY(!fleet->PortStatus(0)->toolTip().isEmpty());  // why COM1 failed
    QCOMPARE(fleet->DocumentLine()->text(), QString("Document: club.dat"));
    const QString why = fleet->PortStatus(0)->toolTip();  // its name, its device and the reason
    QVERIFY2(why.startsWith("COM1 (" + data.filePath("none") + "): ") && !why.endsWith('\n') &&
                 fleet->PortStatus(0)->text().endsWith(why.section('\n', 0, 0)),  // its first line
             qPrintable(why));
    fleet->Button("stop")->click();  // stopping: Stop is done with
    QVERIFY(!fleet->Button("stop")->isEnabled());
    QTRY_VERIFY(!fleet->Running());
    QVERIFY(QFile::exists(fleet->LogPath()) && fleet->isVisible());  // open once the run ends
    QLabel* log = fleet->LogLine();  // the path can be selected, to copy it
    QCOMPARE((log->setSelection(0, log->text().size()), log->selectedText()),
             "Log: " + fleet->LogPath());
    QVERIFY(row(fleet->StatusLine()) > row(fleet->PortCheck(3)) &&  // the headline and its bar
            row(fleet->Progress()) > row(fleet->StatusLine()) &&    // below the ports,
            row(fleet->Table()) > row(fleet->Progress()) &&         // the table below them,
            row(fleet->LogLine()) > row(fleet->Table()) &&          // the log below the table,
            row(fleet->Button("start")) > row(fleet->LogLine()));   // the buttons last
    QTest::keyClick(fleet->CountBox(), Qt::Key_Return);  // Close is the default, not Start
    QVERIFY(!fleet->isVisible());
    p.frame->Action(command::kProgramSeveralRadios)->trigger();
    qputenv("SELKAN_COM2", data.filePath("none").toLocal8Bit());  // COM2 is COM1: refused
    fleet->PortCheck(1)->setChecked(true), fleet->Button("start")->click();
    char com2[128];
    QVERIFY(::openpty(&pty[0], &pty[1], com2, nullptr, nullptr) == 0);
    qputenv("SELKAN_COM2", com2);
    fleet->Button("start")->click();  // a new run forgets why COM1 failed in the last one
    QVERIFY(fleet->PortStatus(0)->toolTip().isEmpty());
    QTRY_VERIFY(!fleet->PortStatus(0)->toolTip().isEmpty());    // COM1 is done with, COM2 goes on
    fleet->hide(), p.frame->Action(command::kRead)->trigger();  // refused: the run comes back
    QVERIFY(fleet->isVisible() && !p.view->findChild<CProcessDlg*>());
    p.answers.buttons = {QMessageBox::No, QMessageBox::Yes};  // closed while running: asked
    QTest::qWait(100), QTest::keyClick(fleet, Qt::Key_Escape);
    QVERIFY(fleet->Running() && fleet->isVisible() &&
            fleet->Button("stop")->isEnabled());  // No: it goes on
    QTest::keyClick(fleet, Qt::Key_Escape);       // Yes: closed once both ports ended
    QTRY_VERIFY(!fleet->isVisible() && !fleet->Running());
    p.frame->Action(command::kWrite)->trigger();  // cancelled before it starts: the fleet goes
    QTest::mouseClick(p.view->findChild<CProcessDlg*>()->CancelButton(), Qt::LeftButton);
    QTRY_VERIFY(!p.view->findChild<CProcessDlg*>());
    for (bool goneFirst : {true, false}) {  // a window gone before its start comes runs nothing;
      p.frame->Action(command::kRead)->trigger();  // a single radio on the missing port
      QTest::mouseClick(p.view->findChild<CProcessDlg*>()->OkButton(), Qt::LeftButton);
      if (goneFirst) delete p.view->findChild<CProcessDlg*>();
    }
    QTRY_COMPARE(p.Told(), std::size_t{6});  // two of them asked at Escape
    QVERIFY(p.Said(0).startsWith("The log of the run cannot be written:\n" +
                                 data.filePath("Selkan/backups/fleet-")) &&
            p.Said(1) == "Choose a port to program on." &&
            p.Said(2) == "COM2 is the same device as another port chosen." &&
            p.answers.messages[0].caption == "Selkan Radio" &&
            p.answers.messages[5].caption == "Selkan Radio");
    p.answers.messages.clear();
    QStringList shownFolders;
    SetFolderViewer([&shownFolders](const QString& folder) {
      return shownFolders << folder, shownFolders.size() == 1;  // fails the second time
    });
    const std::filesystem::path folder = data.path().toStdString() + "/Selkan/backups";
    BackupStore store(folder);
    const auto now = std::chrono::system_clock::now();
    const auto older =
        store.Save(Image(0x11), "SK-100", now - std::chrono::hours(1), nullptr, "KZ904SK1");
    const auto newer = store.Save(Image(0x22), "SK-200", now);
    QVERIFY(older && newer);
    const QString olderPath = QString::fromStdString(older->string());
    const QString newerPath = QString::fromStdString(newer->string());
    {
      CBackupsDlg none(folder / "none", {});  // no backup listed: only the folder can be shown
      none.show();
      for (const char* button : {"open", "compare", "write", "delete", "folder"})
        QCOMPARE(none.Button(button)->isEnabled(), std::string_view(button) == "folder");
      none.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
      QVERIFY(!none.isVisible());
    }
    p.frame->Action(command::kBackups)->trigger();
    CBackupsDlg* window = p.frame->BackupsWindow();
    QVERIFY(window && window->windowTitle() == "Backups" &&
            window->isVisible() &&  // over the main window; the folder's name can be copied
            window->geometry().center().y() == p.frame->geometry().center().y() &&
            window->findChild<QLabel*>()->textInteractionFlags() == Qt::TextSelectableByMouse);
    QVERIFY(QFile::link(SELKAN_BIN_DIR "/enHelp", p.dir.Path("enHelp")));
    QTest::keyClick(window, Qt::Key_F1);  // its own help page
    QCOMPARE(p.frame->findChild<QTextBrowser*>()->source().toLocalFile(),
             HelpTopicFile(p.dir.Path(""), "enHelp", command::kBackups));
    p.frame->activateWindow();  // asked for again: brought to the front
    QTRY_COMPARE(QApplication::activeWindow(), p.frame);
    p.frame->Action(command::kBackups)->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QTreeWidget* list = window->List();
    QVERIFY(list->topLevelItemCount() == 2 && window->SelectedPath() == newerPath &&
            list->visualItemRect(list->topLevelItem(0)).left() == 0);  // a flat list: no branches
    list->clearSelection();  // none chosen: nothing to open; the newest chosen again by its path
    QVERIFY(!window->Button("open")->isEnabled() && window->Select(newerPath) &&
            window->SelectedPath() == newerPath && window->Button("open")->isEnabled());
    const QTreeWidgetItem* item = list->topLevelItem(1);
    QCOMPARE(item->text(1) + item->text(2) + item->toolTip(0), "SK-100KZ904SK1" + olderPath);
    QVERIFY(list->topLevelItem(0)->text(0) > item->text(0));  // dated: the newer first
    const QLabel* named = nullptr;  // the filter's name stands before it, on its row
    for (const QLabel* label : window->findChildren<QLabel*>())
      if (label->buddy() == window->TypeFilter()) named = label;
    const QRect filter = window->TypeFilter()->geometry();
    QVERIFY(named && named->geometry().right() < filter.left() && list->y() > filter.bottom() &&
            qAbs(named->geometry().center().y() - filter.center().y()) <= 2 &&
            named->y() > window->findChild<QLabel*>()->geometry().bottom());  // below the folder
    window->TypeFilter()->setCurrentIndex(window->TypeFilter()->findText("SK-100"));
    QVERIFY(list->topLevelItemCount() == 1 && window->SelectedPath() == olderPath);

    // Compared as the grid shows the document, here and by File > Compare With.
    for (int column : {1, 2}) p.view->Grid()->SetTextMatrix(2, column, "438.50000");
    QStringList shown;
    for (QAction* compare :
         {static_cast<QAction*>(nullptr), p.frame->Action(command::kFileCompare)}) {
      NextDialog look([&shown, &olderPath](QDialog* dialog) {
        const QString heading = dialog->findChild<QLabel*>("heading")->text();
        if (heading.contains(QFileInfo(olderPath).fileName()))
          shown << qobject_cast<CCompareDlg*>(dialog)->Differences();
        dialog->reject();
      });
      p.answers.paths = {olderPath};
      compare ? compare->trigger() : window->Button("compare")->click();
      QTRY_COMPARE(shown.size(), compare ? 2 : 1);
    }
    QVERIFY2(shown[0].contains("\nChannel 2: 438.50000, 438.50000,"), qPrintable(shown[0]));
    QVERIFY(shown[0].contains("0xC80: FF -> 11") && shown[1] == shown[0]);
    for (int i = 0; i < 2; ++i) window->Button("folder")->click();
    QCOMPARE(shownFolders, QStringList(2, QString::fromStdString(folder.string())));
    p.answers.buttons = {QMessageBox::No, QMessageBox::Yes};
    window->Button("delete")->click();
    QVERIFY(QFile::exists(olderPath));
    window->Button("delete")->click();
    QVERIFY(!QFile::exists(olderPath) && p.Told() == 3 &&
            p.answers.messages[2].caption == "Selkan Radio");
    QVERIFY(p.Said(0).startsWith("The folder " + shownFolders[0]));
    QCOMPARE(list->topLevelItemCount(), 1);       // the filter's type is gone: all are shown
    list->setCurrentItem(list->topLevelItem(0));  // one moved away behind the window's back
    std::filesystem::rename(*newer, folder / "aside");
    p.answers.buttons = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes};
    p.answers.paths = {newerPath}, p.frame->Action(command::kFileCompare)->trigger();  // and so
    for (const char* button : {"compare", "write", "delete"}) window->Button(button)->click();
    std::filesystem::rename(folder / "aside", *newer), QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());  // closed by Escape
    for (int i : {-5, -4, -3})      // each says why, nothing is done; and Delete asks first
      QVERIFY2(p.Said(i).startsWith("Cannot open the file " + newerPath + ".\n"),
               qPrintable(p.Said(i)));
    QVERIFY(p.Said(-1).startsWith("The backup could not be deleted:\n"));

    for (bool button : {false, true}) {  // Enter on the list, then Open
      p.frame->Action(command::kBackups)->trigger();
      button ? window->Button("open")->click() : QTest::keyClick(list, Qt::Key_Return);
      QVERIFY(!window->isVisible() && p.frame->ActiveChild() != p.child);
    }
    CChildFrame* opened = p.frame->ActiveChild();
    QCOMPARE(opened->windowTitle(), QString::fromStdString(newer->filename()) + " (backup)");
    QCOMPARE(opened->Document().Image()[0xC80], 0x22);
    p.answers.paths = {QString(), p.dir.Path("mine.dat"), p.dir.Path("mine.dat")};
    QVERIFY(!p.frame->OnFileSave());  // asked for a name: cancelled
    // Compare With chose a backup, yet the backups' folder is not proposed.
    QCOMPARE(p.answers.prompts.back().proposedPath,
             QDir::home().filePath(QString::fromStdString(newer->filename())));
    QVERIFY(p.frame->OnFileSave() && MarkOf(p.dir.ReadFile("mine.dat")) == 0x22 &&
            opened->windowTitle() == "mine.dat" && LoadDatFile(*newer).image == Image(0x22));
    NextDialog none([](QDialog* dialog) { dialog->reject(); });  // nothing to list
    p.frame->Action(command::kFileCompare)->trigger();  // with mine.dat, asked in its folder
    QVERIFY(none.title.isEmpty() && p.Said(-1) == "mine.dat and mine.dat hold the same data." &&
            QDir(p.answers.prompts.back().proposedPath) == QDir(p.dir.Path("")));
    for (CChildFrame* child : p.frame->Children()) delete child;  // no document: said at Start
    fleet->show(), fleet->Button("start")->click();
    QVERIFY(fleet->DocumentLine()->text() == "No document is open." &&
            p.Said(-1) == "No document is open." && !p.frame->OnFileSave() && p.frame->OnFileNew());
    p.frame->Action(command::kProgramSeveralRadios)->trigger();  // running as the program ends:
    fleet->PortCheck(0)->setChecked(false), fleet->Button("start")->click();  // stopped, freed
    QVERIFY(fleet->Running() && fleet->PortStatus(0)->text().isEmpty());  // COM1 not in this run
    delete fleet;  // closed: the run stops and frees its port; again, for the program's end
    const int line = ::open(com2, O_RDWR | O_NOCTTY);
    QVERIFY(line >= 0 && ::flock(line, LOCK_EX | LOCK_NB) == 0 && ::close(line) == 0);
    p.frame->Action(command::kProgramSeveralRadios)->trigger();
    p.frame->FleetWindow()->PortCheck(1)->setChecked(true);
    p.frame->FleetWindow()->Button("start")->click();
    QVERIFY(p.frame->FleetWindow()->Running());
    SetFolderViewer({}), qunsetenv("SELKAN_COM1"), qunsetenv("SELKAN_COM2"),
        qunsetenv("XDG_DATA_HOME");
  }

  // Import reasons in Chinese; a list of which no row fits is refused at once. A language is
  // stored, and the program restarts, once the user agreed to close.
  void importReasonsInChineseAndTheLanguageStoredOnceTheUserAgreedToClose() {
    // Dialogs in Chinese take a Song face first, else a known sans, spelt as installed.
    QCOMPARE(PickChineseDialogFamily({"Noto Sans CJK SC", "ar pl uming cn", "SimSun"}), "SimSun");
    QCOMPARE(PickChineseDialogFamily({"noto sans cjk sc", "WenQuanYi Zen Hei"}),
             "WenQuanYi Zen Hei");
    QCOMPARE(PickChineseDialogFamily({"DejaVu Sans", "noto sans cjk sc"}), "noto sans cjk sc");
    QVERIFY(PickChineseDialogFamily({"DejaVu Sans"}).isEmpty());
    Program p(QStringLiteral("Chinese"));
    QCOMPARE(p.frame->Action(command::kFileNew)->toolTip(), "新建");  // not the menu's "新建(N)"
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"),
             "查找范围：");  // Qt's own texts
    p.dir.WriteFile("odd.csv", "Frequency,RX Tone\n146.52,88.5\n");
    p.dir.WriteFile("bad.csv", "Location,Frequency,Mode\n1,145.0,AM\n2,146,FM\n");
    p.dir.WriteFile("none.csv", "Location,Frequency\n" + QByteArray("1,480\n").repeated(22));
    p.dir.WriteFile("all.csv", "Location,Frequency\n" + QByteArray("1,480\n").repeated(20));
    p.answers.paths = {p.dir.Path("odd.csv"), p.dir.Path("bad.csv"), p.dir.Path("none.csv"),
                       p.dir.Path("all.csv")};
    p.answers.buttons = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Cancel};
    for (int i = 0; i < 4; ++i) p.frame->Action(command::kImportChannels)->trigger();
    QVERIFY(p.Told() == 5 && p.Said(0).contains("列 RX Tone 含有频率"));
    QVERIFY(p.Said(2).contains("bad.csv:2: Mode“AM”：本机只工作于"));
    QVERIFY(p.Said(3).contains("none.csv:2: 接收频率“480”：超出范围") &&
            p.Said(3).endsWith("none.csv:21: 信道 1 已在第 2 行列出\n……另有 2 项"));
    QVERIFY(p.Said(4).endsWith("all.csv:21: 信道 1 已在第 2 行列出"));  // all 20
    Starts starts;
    p.child->Document().SetModified(true);
    const QByteArray before = p.dir.ReadFile("Selkan.ini");
    bool byEnter = false;  // OK by Enter: the dialog's own keys still work
    NextDialog same([&byEnter](QDialog* dialog) {
      const QString cjk = PickChineseDialogFamily(QFontDatabase::families());  // if any
      QVERIFY(cjk.isEmpty() || dialog->font().family() == cjk);
      QTest::keyClick(dialog, Qt::Key_Return);
      if (!(byEnter = dialog->result() == QDialog::Accepted)) dialog->reject();
    });
    p.frame->Action(command::kLanguage)->trigger();
    bool cancelled = false;  // by its button, the other language chosen
    NextDialog cancel([&cancelled](QDialog* dialog) {
      static_cast<CLanguageDlg*>(dialog)->EnglishButton()->setChecked(true);
      dialog->findChild<QPushButton*>("cancelButton")->click();
      if (!(cancelled = dialog->isHidden())) dialog->reject();
    });
    p.frame->Action(command::kLanguage)->trigger();
    p.answers.buttons = {QMessageBox::Cancel, QMessageBox::Discard};
    ChooseTheOtherLanguage(p.frame);
    QCOMPARE(p.dir.ReadFile("Selkan.ini"), before);
    QVERIFY(!QFile::exists(p.dir.Path("Olvane.ini")) && starts.files.isEmpty() &&
            p.frame->isVisible() && byEnter && cancelled);

    ChooseTheOtherLanguage(p.frame);
    QCOMPARE(p.Told(), std::size_t{5 + 2});
    QByteArray expected = before;
    expected.replace("Language=Chinese", "Language=English");  // and nothing else
    QCOMPARE(p.dir.ReadFile("Selkan.ini"), expected);
    QCOMPARE(p.dir.ReadFile("Olvane.ini"), QByteArray("[Setup]\r\nLanguage=English\r\n"));
    QVERIFY(starts.files == QStringList{QCoreApplication::applicationFilePath()} &&
            !p.frame->isVisible());
  }

  // An unwritable Selkan.ini or a failed restart is said; Olvane.ini only noted.
  void failuresAreReportedAndTheProgramStays() {
    Program p;
    Starts starts(false);
    const QByteArray profile = p.dir.ReadFile("Selkan.ini");
    QVERIFY(p.dir.Remove("Selkan.ini") && QDir().mkdir(p.dir.Path("Selkan.ini")));
    ChooseTheOtherLanguage(p.frame);
    QCOMPARE(p.Said(0).count("Selkan.ini"), 1);
    QVERIFY(starts.files.isEmpty() && !QFile::exists(p.dir.Path("Olvane.ini")));

    QVERIFY(QDir().rmdir(p.dir.Path("Selkan.ini")) && QDir().mkdir(p.dir.Path("Olvane.ini")));
    p.dir.WriteFile("Selkan.ini", profile), ChooseTheOtherLanguage(p.frame);
    QVERIFY(p.dir.ReadFile("Selkan.ini").contains("Language=Chinese") && p.frame->isVisible() &&
            p.frame->statusBar()->currentMessage().count("Olvane.ini") == 1);
    QVERIFY(starts.files.size() == 1 && p.Said(1).contains(starts.files[0]));
  }

  // Texts of the sources and of the plain layers' tables are in both catalogs.
  void everyShownTextIsInBothCatalogs() {
    const QDir bin(QStringLiteral(SELKAN_BIN_DIR));
    QTranslator english, chinese;
    QVERIFY(english.load(bin.filePath("EnglishQ47.qm")) &&
            chinese.load(bin.filePath("ChineseQ47.qm")));
    QStringList texts, missing;  // texts: "context/source"
    // English has one form of a count text (%n) for 1 and another for more.
    const auto check = [&](const QString& context, const QString& source, bool count = false) {
      texts << context + '/' + source;
      for (const QTranslator* catalog : {&english, &chinese}) {
        const auto in = [&](int n) {
          return catalog->translate(context.toUtf8(), source.toUtf8(), nullptr, n);
        };
        if (in(-1).isEmpty() || (count && catalog == &english && in(1) == in(2)))
          missing << QDir(catalog->filePath()).dirName() + ": " + context + " \"" + source + '"';
      }
    };

    QTemporaryDir scratch;
    const QString found = scratch.filePath("found.ts");
    const QDir root(QStringLiteral(SELKAN_SOURCE_DIR));
    QStringList arguments{"-silent", "-locations", "none", "-extensions", "cpp,h,ui", "-I"};
    arguments << root.path() << "-tr-function-alias"
              << "QT_TRANSLATE_NOOP+=SELKAN_TRANSLATE_NOOP";
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      const QStringList notProgram{"tests", "bench", "resources", "scripts", "cmake"};
      if (!notProgram.contains(name) && !name.startsWith("build")) arguments << root.filePath(name);
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(SELKAN_LUPDATE), arguments << "-ts" << found);
    QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
    QFile file(found);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    bool count = false;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
      if (!xml.isStartElement()) continue;
      if (xml.name() == QLatin1String("name")) context = xml.readElementText();
      if (xml.name() == QLatin1String("message"))
        count = xml.attributes().value("numerus") == QLatin1String("yes");
      if (xml.name() == QLatin1String("source")) check(context, xml.readElementText(), count);
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(texts.contains("selkan::TransferMessages/" + QString(kPortErrorText.data())));
    QVERIFY(texts.contains("selkan::CCellEditors/" +
                           QString(CellMessageText(CellMessage::StepError).data())));

    // Texts looked up from a table (lupdate cannot follow them), in the table's context.
    for (PortAdvice kind : {PortAdvice::kJoinGroup, PortAdvice::kLogInAgain, PortAdvice::kAskAdmin})
      check("selkan::PortAccess", PortAdviceText(kind));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    QCoreApplication::installTranslator(&chinese);
    QVERIFY(TransferMessageText(TransferOutcome::kPortError).toStdString() != kPortErrorText);
    QVERIFY(TranslatedCellMessage(CellMessage::StepError).toStdString() !=
            CellMessageText(CellMessage::StepError));
  }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"

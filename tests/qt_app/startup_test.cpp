// Start-up of the program from a program directory: language, catalog,
// menus, first document and the product texts.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/main_frame.h"
#include "app_fixture.h"
#include "model/radio_image.h"

using namespace selkan;
using namespace selkan::test;

namespace {

QStringList MenuTitles(CMainFrame* frame) {
  QStringList titles;
  for (QAction* menu : frame->menuBar()->actions()) titles << menu->text();
  return titles;
}

QStringList ItemTexts(CMainFrame* frame, int menuIndex) {
  QStringList texts;
  const QMenu* menu = frame->menuBar()->actions().at(menuIndex)->menu();
  for (QAction* item : menu->actions()) texts << (item->isSeparator() ? "-" : item->text());
  return texts;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void englishStartUpShowsOneNewDocumentMaximized() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    QVERIFY(started.started);
    CMainFrame* frame = started.app.MainFrame();
    QVERIFY(frame->isMaximized());
    QCOMPARE(frame->Children().size(), 1);
    QCOMPARE(frame->Children().front()->windowTitle(), QStringLiteral("Channel Information"));
    QVERIFY(answers.messages.empty());
    QCOMPARE(frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QVERIFY(!frame->windowIcon().isNull());
  }

  void documentMenuHasTheItemsKeysAndAboutTitle() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    QVERIFY(frame->HasDocumentMenu());
    QCOMPARE(MenuTitles(frame),
             QStringList({"&File", "&Edit", "&Program", "&View", "&Setup", "&Help"}));
    QCOMPARE(ItemTexts(frame, 0),
             QStringList({"&New", "&Open...", "&Close", "&Save", "Save &As...", "-", "&Print...",
                          "Print Pre&view", "P&rint Setup...", "-", "E&xit"}));
    QCOMPARE(ItemTexts(frame, 1),
             QStringList({"&Product Information", "&Channel Information", "&Optional Features"}));
    QCOMPARE(ItemTexts(frame, 2), QStringList({"&Read", "&Write"}));
    QCOMPARE(ItemTexts(frame, 4), QStringList({"&Com Setup", "&Language"}));
    // The About item of the document menu carries the product's "About Title".
    QCOMPARE(ItemTexts(frame, 5), QStringList({"About Selkan"}));
    QCOMPARE(frame->Action(command::kRead)->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(frame->Action(command::kWrite)->shortcut(), QKeySequence("Ctrl+W"));
    QCOMPARE(frame->Action(command::kFileSave)->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(frame->Action(command::kFilePrint)->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(frame->Action(command::kNextPane)->shortcut(), QKeySequence("F6"));
    QCOMPARE(frame->Action(command::kPrevPane)->shortcut(), QKeySequence("Shift+F6"));
    QCOMPARE(frame->Action(command::kRead)->statusTip(), QStringLiteral("Read Data From Radio"));
    QCOMPARE(frame->Action(command::kWrite)->toolTip(), QStringLiteral("Write"));
    // The commands of later work stand visible but unavailable.
    QVERIFY(!frame->Action(command::kFilePrint)->isEnabled());
    QVERIFY(frame->Action(command::kRead)->isEnabled());
    QVERIFY(frame->Action(command::kProductInformation)->isEnabled());
  }

  void withoutDocumentTheShortMenuKeepsItsOwnAboutText() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    // Hidden windows still count as documents: only windows really gone
    // bring back the short menu.
    for (CChildFrame* child : frame->Children()) {
      child->AllowClose();
      delete child;
    }
    QVERIFY(!frame->HasDocumentMenu());
    QCOMPARE(MenuTitles(frame), QStringList({"&File", "&View", "&Help"}));
    QCOMPARE(ItemTexts(frame, 0),
             QStringList({"&New", "&Open...", "-", "P&rint Setup...", "-", "E&xit"}));
    QCOMPARE(ItemTexts(frame, 1), QStringList({"&Toolbar", "&Status Bar"}));
    QCOMPARE(ItemTexts(frame, 2), QStringList({"&About Selkan..."}));
    // New without an active document asks nothing.
    QVERIFY(frame->OnFileNew());
    QVERIFY(answers.messages.empty());
    QVERIFY(frame->HasDocumentMenu());
  }

  void toolbarHoldsTheButtonsInOrder() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    QList<int> ids;
    for (QAction* action : started.app.MainFrame()->ToolBar()->actions())
      ids << (action->isSeparator() ? 0 : action->data().toInt());
    QCOMPARE(ids, QList<int>({command::kFileNew, command::kFileOpen, command::kFileSave, 0,
                              command::kRead, command::kWrite, 0, command::kFilePrint, 0,
                              command::kAppAbout}));
    for (QAction* action : started.app.MainFrame()->ToolBar()->actions())
      if (!action->isSeparator()) QVERIFY(!action->icon().isNull());
  }

  void chineseStartUpTakesCatalogAndBuiltInTexts() {
    ProgramDir dir(QStringLiteral("Chinese"));
    Answers answers;
    StartedApp started(dir);
    QVERIFY(started.started);
    CMainFrame* frame = started.app.MainFrame();
    QCOMPARE(MenuTitles(frame).front(), QString::fromUtf8("文件(&F)"));
    QCOMPARE(frame->Children().front()->windowTitle(), QString::fromUtf8("信道信息"));
    QCOMPARE(ItemTexts(frame, 5), QStringList({QString::fromUtf8("关于 Selkan")}));
    QCOMPARE(frame->statusBar()->currentMessage(), QString::fromUtf8("就绪"));
    QVERIFY(frame->windowTitle().contains(QString::fromUtf8("类型:")));
    QCOMPARE(frame->MessageCaption(), QString::fromUtf8("赛尔坎电台"));
  }

  void languageDifferingInCaseLoadsThatCatalogWithEnglishBuiltInTexts() {
    ProgramDir dir(QStringLiteral("chinese"));
    Answers answers;
    StartedApp started(dir);
    QVERIFY(started.started);
    CMainFrame* frame = started.app.MainFrame();
    QCOMPARE(MenuTitles(frame).front(), QString::fromUtf8("文件(&F)"));
    QCOMPARE(frame->Children().front()->windowTitle(), QStringLiteral("Channel Information"));
  }

  void missingCatalogEndsStartUpWithTheMessage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("catalog");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << "English"
                             << "EnglishQ47.qm"
                             << "Load language DLL fail";
    QTest::newRow("Chinese") << "Chinese"
                             << "ChineseQ47.qm" << QString::fromUtf8("加载语言链接库失败");
    QTest::newRow("no language") << ""
                                 << "EnglishQ47.qm"
                                 << "Load language DLL fail";
  }
  void missingCatalogEndsStartUpWithTheMessage() {
    QFETCH(QString, language);
    QFETCH(QString, catalog);
    QFETCH(QString, message);
    ProgramDir dir(language);
    dir.Remove(catalog);
    Answers answers;
    StartedApp started(dir);
    QVERIFY(!started.started);
    QVERIFY(started.app.MainFrame() == nullptr);
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QCOMPARE(answers.messages[0].text, message);
    QCOMPARE(answers.messages[0].icon, QMessageBox::Warning);
  }

  void unreadableCatalogCountsAsMissing() {
    ProgramDir dir;
    dir.WriteFile("EnglishQ47.qm", "not a catalog");
    Answers answers;
    StartedApp started(dir);
    QVERIFY(!started.started);
    QCOMPARE(answers.messages.size(), std::size_t{1});
  }

  void commandLineFileIsOpened() {
    ProgramDir dir;
    RadioImage image = BlankImage();
    image[0x123] = 0x42;
    dir.WriteFile("radio.dat", QByteArray(reinterpret_cast<const char*>(image.data()),
                                          static_cast<int>(image.size())));
    Answers answers;
    StartedApp started(dir, {dir.Path("radio.dat")});
    QVERIFY(started.started);
    const auto children = started.app.MainFrame()->Children();
    QCOMPARE(children.size(), 1);
    QCOMPARE(children.front()->Document().Image()[0x123], 0x42);
    QCOMPARE(children.front()->windowTitle(), QStringLiteral("radio.dat"));
  }

  void commandLineFileThatCannotBeOpenedEndsTheProgram() {
    ProgramDir dir;
    dir.WriteFile("short.dat", QByteArray(100, '\0'));
    Answers answers;
    StartedApp started(dir, {dir.Path("short.dat")});
    QVERIFY(!started.started);
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QCOMPARE(answers.messages[0].text, QStringLiteral("Data Format Error"));
  }

  void captionAfterDecodeNamesTypeAndBandFromTheRegistry() {
    ProgramDir dir;
    Answers answers;
    auto registry = std::make_unique<MemoryRegistry>();
    registry->WriteValue("Software\\Selkan", "Type", 1);
    registry->WriteValue("Software\\Selkan", "Field", 2);
    StartedApp started(dir, {}, std::move(registry));
    CMainFrame* frame = started.app.MainFrame();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-200  Fre:400 - 430MHz ]"));
    const RadioImage& image = frame->Children().front()->Document().Image();
    QCOMPARE(image[offset::kRadioType], 1);
    QCOMPARE(image[offset::kBandIndex], 2);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

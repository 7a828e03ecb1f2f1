// Start-up of the program from a program directory: language, catalog,
// menus, first document and the product texts.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "app/qt/command_ids.h"
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
    Program p;
    QVERIFY(p.started.started);
    QVERIFY(p.frame->isMaximized());
    QCOMPARE(p.frame->Children().size(), 1);
    QCOMPARE(p.child->windowTitle(), QStringLiteral("Channel Information"));
    QVERIFY(p.answers.messages.empty());
    QCOMPARE(p.frame->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QVERIFY(!p.frame->windowIcon().isNull());
  }

  void documentMenuHasTheItemsKeysAndAboutTitle() {
    Program p;
    CMainFrame* frame = p.frame;
    QVERIFY(frame->HasDocumentMenu());
    QCOMPARE(MenuTitles(frame),
             QStringList({"&File", "&Edit", "&Program", "&View", "&Setup", "&Help"}));
    QCOMPARE(
        ItemTexts(frame, 0),
        QStringList({"&New", "&Open...", "&Close", "&Save", "Save &As...", "-", "Co&mpare With...",
                     "-", "&Import Channels...", "&Export Channels...", "-", "&Print...",
                     "Print Pre&view", "P&rint Setup...", "&Export PDF...", "-", "E&xit"}));
    QCOMPARE(
        ItemTexts(frame, 1),
        QStringList({"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All",
                     "-", "&Insert Empty Channel", "Delete C&hannel", "Mo&ve Up", "Move Do&wn", "-",
                     "&Product Information", "&Channel Information", "&Optional Features"}));
    QCOMPARE(ItemTexts(frame, 2), QStringList({"&Read", "&Write"}));
    QCOMPARE(ItemTexts(frame, 4), QStringList({"&Com Setup", "&Language"}));
    // The About item of the document menu carries the product's "About Title".
    QCOMPARE(ItemTexts(frame, 5), QStringList({"About Selkan"}));
    const std::pair<int, const char*> keys[] = {
        {command::kRead, "Ctrl+R"},          {command::kWrite, "Ctrl+W"},
        {command::kFileSave, "Ctrl+S"},      {command::kFilePrint, "Ctrl+P"},
        {command::kNextPane, "F6"},          {command::kPrevPane, "Shift+F6"},
        {command::kEditUndo, "Ctrl+Z"},      {command::kEditRedo, "Ctrl+Y"},
        {command::kEditPaste, "Ctrl+V"},     {command::kEditClear, "Del"},
        {command::kMoveChannelUp, "Ctrl+Up"}};
    for (const auto& [id, key] : keys) {
      QCOMPARE(frame->Action(id)->shortcut(), QKeySequence(key));
      // No other action of the window may bind the key: an ambiguous key
      // triggers nothing (the document window's own menu binds Ctrl+W as
      // Close on Linux).
      int bound = 0;
      for (QAction* action : frame->findChildren<QAction*>()) {
        if (action->shortcuts().contains(QKeySequence(key))) ++bound;
      }
      QCOMPARE(bound, 1);
    }
    QCOMPARE(frame->Action(command::kRead)->statusTip(), QStringLiteral("Read Data From Radio"));
    QCOMPARE(frame->Action(command::kWrite)->toolTip(), QStringLiteral("Write"));
    // The document's commands are available with a document.
    QVERIFY(frame->Action(command::kFilePrint)->isEnabled());
    QVERIFY(frame->Action(command::kRead)->isEnabled());
  }

  void withoutDocumentTheShortMenuKeepsItsOwnAboutText() {
    Program p;
    // Hidden windows still count as documents: only windows really gone
    // bring back the short menu.
    for (CChildFrame* child : p.frame->Children()) {
      child->AllowClose();
      delete child;
    }
    QVERIFY(!p.frame->HasDocumentMenu());
    // Nothing to print: the toolbar button and Ctrl+P do nothing.
    QVERIFY(!p.frame->Action(command::kFilePrint)->isEnabled());
    QCOMPARE(MenuTitles(p.frame), QStringList({"&File", "&View", "&Help"}));
    QCOMPARE(ItemTexts(p.frame, 0),
             QStringList({"&New", "&Open...", "-", "P&rint Setup...", "-", "E&xit"}));
    QCOMPARE(ItemTexts(p.frame, 1), QStringList({"&Toolbar", "&Status Bar"}));
    QCOMPARE(ItemTexts(p.frame, 2), QStringList({"&About Selkan..."}));
    // New without an active document asks nothing.
    QVERIFY(p.frame->OnFileNew());
    QVERIFY(p.answers.messages.empty());
    QVERIFY(p.frame->HasDocumentMenu());
  }

  void toolbarHoldsTheButtonsInOrder() {
    Program p;
    QList<int> ids;
    for (QAction* action : p.frame->ToolBar()->actions()) {
      ids << (action->isSeparator() ? 0 : action->data().toInt());
      QVERIFY(action->isSeparator() || !action->icon().isNull());
    }
    QCOMPARE(ids, QList<int>({command::kFileNew, command::kFileOpen, command::kFileSave, 0,
                              command::kRead, command::kWrite, 0, command::kFilePrint, 0,
                              command::kAppAbout}));
  }

  void chineseStartUpTakesCatalogAndBuiltInTexts() {
    Program p(QStringLiteral("Chinese"));
    QVERIFY(p.started.started);
    QCOMPARE(MenuTitles(p.frame).front(), QString::fromUtf8("文件(&F)"));
    QCOMPARE(p.child->windowTitle(), QString::fromUtf8("信道信息"));
    QCOMPARE(ItemTexts(p.frame, 5), QStringList({QString::fromUtf8("关于 Selkan")}));
    QCOMPARE(p.frame->statusBar()->currentMessage(), QString::fromUtf8("就绪"));
    QVERIFY(p.frame->windowTitle().contains(QString::fromUtf8("类型:")));
    QCOMPARE(p.frame->MessageCaption(), QString::fromUtf8("赛尔坎电台"));
  }

  void languageDifferingInCaseLoadsThatCatalogWithEnglishBuiltInTexts() {
    Program p(QStringLiteral("chinese"));
    QVERIFY(p.started.started);
    QCOMPARE(MenuTitles(p.frame).front(), QString::fromUtf8("文件(&F)"));
    QCOMPARE(p.child->windowTitle(), QStringLiteral("Channel Information"));
  }

  void missingOrUnreadableCatalogEndsStartUpWithTheMessage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("catalog");
    QTest::addColumn<QByteArray>("content");  // empty: the catalog removed
    QTest::addColumn<QString>("message");
    const QString english = "Load language DLL fail";
    QTest::newRow("English") << "English"
                             << "EnglishQ47.qm" << QByteArray() << english;
    QTest::newRow("Chinese") << "Chinese"
                             << "ChineseQ47.qm" << QByteArray()
                             << QString::fromUtf8("加载语言链接库失败");
    QTest::newRow("no language") << ""
                                 << "EnglishQ47.qm" << QByteArray() << english;
    QTest::newRow("unreadable") << "English"
                                << "EnglishQ47.qm" << QByteArray("not a catalog") << english;
  }
  void missingOrUnreadableCatalogEndsStartUpWithTheMessage() {
    QFETCH(QString, language);
    QFETCH(QString, catalog);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    ProgramDir dir(language);
    dir.Remove(catalog);
    if (!content.isEmpty()) dir.WriteFile(catalog, content);
    Answers answers;
    StartedApp started(dir);
    QVERIFY(!started.started);
    QVERIFY(started.app.MainFrame() == nullptr);
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QCOMPARE(answers.messages[0].text, message);
    QCOMPARE(answers.messages[0].icon, QMessageBox::Warning);
  }

  void commandLineFileIsOpenedOrEndsTheProgram() {
    ProgramDir dir;
    RadioImage image = BlankImage();
    image[0x123] = 0x42;
    dir.WriteFile("radio.dat", QByteArray(reinterpret_cast<const char*>(image.data()),
                                          static_cast<int>(image.size())));
    dir.WriteFile("short.dat", QByteArray(100, '\0'));
    Answers answers;
    {
      StartedApp started(dir, {dir.Path("radio.dat")});
      QVERIFY(started.started);
      const auto children = started.app.MainFrame()->Children();
      QCOMPARE(children.size(), 1);
      QCOMPARE(children.front()->Document().Image()[0x123], 0x42);
      QCOMPARE(children.front()->windowTitle(), QStringLiteral("radio.dat"));
    }
    StartedApp started(dir, {dir.Path("short.dat")});
    QVERIFY(!started.started);
    QCOMPARE(answers.messages.size(), std::size_t{1});
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

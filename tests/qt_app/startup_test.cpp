// Start-up of the program from a program directory: language, catalog,
// menus, first document, a file named on the command line and the product
// from the registry.
#include <QAction>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app_fixture.h"

using namespace selkan;
using namespace selkan::test;

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  // One new document, maximized; every key is bound once only (an ambiguous
  // key triggers nothing).
  void startUpShowsOneNewDocumentAndUnambiguousKeys() {
    Program p;
    QVERIFY(p.started.started);
    QVERIFY(p.frame->isMaximized());
    QCOMPARE(p.frame->Children().size(), 1);
    QVERIFY(p.answers.messages.empty());
    QCOMPARE(p.frame->Action(command::kWrite)->shortcut(), QKeySequence("Ctrl+W"));
    QMultiMap<QString, QString> bound;
    for (QAction* action : p.frame->findChildren<QAction*>())
      for (const QKeySequence& key : action->shortcuts()) bound.insert(key.toString(), action->text());
    for (const QString& key : bound.uniqueKeys()) QVERIFY2(bound.count(key) == 1, qPrintable(key));
  }

  void chineseStartUpTakesTheCatalog() {
    Program p(QStringLiteral("Chinese"));
    QVERIFY(p.started.started);
    QCOMPARE(p.frame->menuBar()->actions().front()->text(), QString::fromUtf8("文件(&F)"));
    QCOMPARE(p.child->windowTitle(), QString::fromUtf8("信道信息"));
    QCOMPARE(p.frame->statusBar()->currentMessage(), QString::fromUtf8("就绪"));
  }

  // Only windows really gone bring back the short menu; without a document
  // there is nothing to print.
  void withoutDocumentsTheShortMenu() {
    Program p;
    for (CChildFrame* child : p.frame->Children()) {
      child->AllowClose();
      delete child;
    }
    QVERIFY(!p.frame->HasDocumentMenu());
    QVERIFY(!p.frame->Action(command::kFilePrint)->isEnabled());
    QVERIFY(p.frame->OnFileNew());  // asks nothing
    QVERIFY(p.answers.messages.empty());
    QVERIFY(p.frame->HasDocumentMenu());
  }

  void missingOrUnreadableCatalogEndsStartUp_data() {
    QTest::addColumn<QByteArray>("content");  // empty: the catalog removed
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("unreadable") << QByteArray("not a catalog");
  }
  void missingOrUnreadableCatalogEndsStartUp() {
    QFETCH(QByteArray, content);
    ProgramDir dir;
    dir.Remove("EnglishQ47.qm");
    if (!content.isEmpty()) dir.WriteFile("EnglishQ47.qm", content);
    Answers answers;
    StartedApp started(dir);
    QVERIFY(!started.started);
    QVERIFY(started.app.MainFrame() == nullptr);
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QCOMPARE(answers.messages[0].text, QStringLiteral("Load language DLL fail"));
  }

  void commandLineFileIsOpenedOrEndsTheProgram() {
    ProgramDir dir;
    RadioImage image = BlankImage();
    image[0x123] = 0x42;
    dir.WriteFile("radio.dat", Bytes(image));
    dir.WriteFile("short.dat", QByteArray(100, '\0'));
    Answers answers;
    {
      StartedApp started(dir, {dir.Path("radio.dat")});
      QVERIFY(started.started);
      const auto children = started.app.MainFrame()->Children();
      QCOMPARE(children.size(), 1);
      QCOMPARE(children.front()->Document().Image()[0x123], 0x42);
    }
    StartedApp started(dir, {dir.Path("short.dat")});
    QVERIFY(!started.started);
    QCOMPARE(answers.messages.size(), std::size_t{1});
  }

  void aNewDocumentTakesTypeAndBandFromTheRegistry() {
    ProgramDir dir;
    Answers answers;
    auto registry = std::make_unique<MemoryRegistry>();
    registry->WriteValue("Software\\Selkan", "Type", 1);
    registry->WriteValue("Software\\Selkan", "Field", 2);
    StartedApp started(dir, {}, std::move(registry));
    CMainFrame* frame = started.app.MainFrame();
    QCOMPARE(frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-200  Fre:400 - 430MHz ]"));
    QCOMPARE(frame->Children().front()->Document().Image()[offset::kBandIndex], 2);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

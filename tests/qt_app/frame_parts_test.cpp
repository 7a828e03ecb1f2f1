// Parts of the shell on their own: background tiles, help pages and the
// help window, the per-user registry on QSettings, profile text decoding and
// the About box.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "app/qt/about_dlg.h"
#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/dialog_font.h"
#include "app/qt/help_window.h"
#include "app/qt/main_frame.h"
#include "app/qt/mdi_client_wnd.h"
#include "app/qt/selkan_app.h"
#include "app_fixture.h"
#include "editor/qt/selkan_view.h"
#include "platform/qt/help_request.h"
#include "platform/qt/profile_text.h"
#include "platform/qt/qsettings_registry.h"
#include "settings/process_settings.h"

using namespace selkan;
using namespace selkan::test;

class FramePartsTest : public QObject {
  Q_OBJECT
 private slots:
  void tilesCoverTheAreaFromTheTopLeft() {
    // Exactly twice as wide as the tile: three columns, the last outside.
    auto origins = TileOrigins(QSize(128, 10), QSize(64, 64));
    QCOMPARE(origins.size(), std::size_t{3});
    QCOMPARE(origins.back(), QPoint(128, 0));
    origins = TileOrigins(QSize(100, 130), QSize(64, 64));
    QCOMPARE(origins.size(), std::size_t{2 * 3});
    QCOMPARE(origins.front(), QPoint(0, 0));
    QCOMPARE(origins.back(), QPoint(64, 128));
    QVERIFY(TileOrigins(QSize(100, 100), QSize(0, 64)).empty());
    QVERIFY(TileOrigins(QSize(100, 100), QSize(64, 0)).empty());
    QCOMPARE(TileOrigins(QSize(0, 0), QSize(8, 8)).size(), std::size_t{1});
  }

  void backgroundFileElseBuiltInBitmap() {
    ProgramDir dir;
    CSelkanApp app;  // registers the program's own resources
    const QImage fromFile = LoadBackgroundTile(dir.Path("")).toImage();
    QVERIFY(!fromFile.isNull());
    QCOMPARE(fromFile.pixelColor(0, 0), QImage(dir.Path("background.bmp")).pixelColor(0, 0));
    dir.Remove("background.bmp");
    const QImage builtIn = LoadBackgroundTile(dir.Path("")).toImage();
    QVERIFY(!builtIn.isNull());
    QVERIFY(builtIn.pixelColor(0, 0) != fromFile.pixelColor(0, 0));
    // A file that is no bitmap also falls back.
    dir.WriteFile("background.bmp", "garbage");
    QCOMPARE(LoadBackgroundTile(dir.Path("")).toImage(), builtIn);
  }

  void helpTopicsExistInBothLanguagesForEveryCommand() {
    ProgramDir dir;
    using namespace command;
    // clang-format off
    const int ids[] = {kHelpIndex, kRead, kWrite, kComSetup, kProductInformation,
                       kChannelInformation, kOptionalFeatures, kLanguage, kFileNew, kFileOpen,
                       kFileClose, kFileSave, kFileSaveAs, kFilePrint, kFilePrintPreview,
                       kFilePrintSetup, kAppAbout, kAppExit, kViewToolbar, kViewStatusBar,
                       kControlBar, kChannelGrid, 2127, 2128, 1013, 1014, kEditUndo,
                       kEditRedo, kEditCut, kEditCopy, kEditPaste, kEditClear, kEditSelectAll,
                       kInsertChannel, kDeleteChannel, kMoveChannelUp, kMoveChannelDown,
                       kImportChannels, kExportChannels};
    // clang-format on
    for (const QString& help : QStringList{"enHelp", "chHelp"})
      for (int id : ids)
        QVERIFY2(!HelpTopicFile(dir.Path(""), help, id).isEmpty(),
                 qPrintable(help + " " + QString::number(id)));
    QVERIFY(HelpTopicFile(dir.Path(""), "enHelp", 4711).isEmpty());
    QVERIFY(HelpTopicFile(dir.Path(""), "enHelp", -1).isEmpty());
  }

  void helpRequestOpensTheTopicOfTheLanguage() {
    Program p(QStringLiteral("Chinese"));
    CMainFrame* frame = p.frame;
    QVERIFY(frame->HelpWindow() == nullptr);
    RequestHelp(command::kFileSave);
    QVERIFY(frame->HelpWindow() && frame->HelpWindow()->isVisible());
    QCOMPARE(frame->HelpWindow()->windowTitle(), QString::fromUtf8("保存"));
    QVERIFY(frame->HelpWindow()->Browser()->source().toLocalFile().endsWith("chHelp/57603.html"));
  }

  void helpWithoutPagesDoesNothing() {
    Program p;
    QDir(p.dir.Path("enHelp")).removeRecursively();
    RequestHelp(command::kFileOpen);
    QVERIFY(!p.frame->HelpWindow() || !p.frame->HelpWindow()->isVisible());
    QVERIFY(p.answers.messages.empty());
  }

  void helpAskedForInsideAModalDialogCanBeUsed() {
    Program p;
    bool usable = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      RequestHelp(1013);  // F1 on the dialog's type list
      CHelpWindow* help = p.frame->HelpWindow();
      // Modal itself, the help is the window that takes input, above the dialog.
      usable = help != nullptr && help->isVisible() && QApplication::activeModalWidget() == help;
      if (help != nullptr) {
        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->Browser(), Qt::Key_Escape);  // gives the dialog back
        QVERIFY(!help->isVisible());
      }
      dialog->reject();
    });
    p.frame->Action(command::kProductInformation)->trigger();
    QVERIFY(usable);
    RequestHelp(command::kFileSave);
    QVERIFY(p.frame->HelpWindow()->isVisible());
    QCOMPARE(p.frame->HelpWindow()->windowModality(), Qt::NonModal);
  }

  void everyDialogHasTheOneFontOfItsLanguage() {
    QFont english;
    for (const QString& language : {QStringLiteral("English"), QStringLiteral("Chinese")}) {
      Program p(language);
      // A form that names a font of its own, one that names none, a message box.
      QDialog named(p.frame);
      named.setFont(QFont(QStringLiteral("Courier"), 14));
      auto* label = new QLabel(QStringLiteral("x"), &named);
      QDialog plain(p.frame);
      QMessageBox box(p.frame);
      for (QWidget* dialog : {static_cast<QWidget*>(&named), static_cast<QWidget*>(&plain),
                              static_cast<QWidget*>(&box)})
        dialog->ensurePolished();
      QCOMPARE(named.font(), plain.font());
      QCOMPARE(box.font(), plain.font());
      QCOMPARE(label->font().family(), plain.font().family());
      QCOMPARE(plain.font().pointSize(), 9);
      if (language == "English") {
        english = plain.font();
        QCOMPARE(english.family(), QStringLiteral("Times New Roman"));
      } else if (!PickChineseDialogFamily(QFontDatabase::families()).isEmpty()) {
        QVERIFY(plain.font().family() != english.family());
      }
    }
  }

  void documentWindowsWithoutTitleIcoShowTheProgramsIcon() {
    ProgramDir dir;
    dir.Remove("title.ico");
    Answers answers;
    StartedApp started(dir);
    CChildFrame* child = started.app.MainFrame()->ActiveChild();
    QVERIFY(child != nullptr);
    const QIcon own(QStringLiteral(":/selkan/icon128.png"));
    QCOMPARE(child->windowIcon().pixmap(16).toImage(), own.pixmap(16).toImage());
  }

  void f1OnAMenuItemAsksForItsCommand() {
    Program p;
    CMainFrame* frame = p.frame;
    int asked = -1;
    SetHelpHandler([&asked](int id) { asked = id; });
    QMenu* file = frame->menuBar()->actions().front()->menu();
    file->popup(QPoint(0, 0));
    file->setActiveAction(frame->Action(command::kFileSaveAs));
    QTest::keyClick(file, Qt::Key_F1);
    QCOMPARE(asked, command::kFileSaveAs);
    // F1 on a control without a topic of its own asks for the index.
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    frame->menuBar()->setFocus();
    QTest::keyClick(frame->menuBar(), Qt::Key_F1);
    QCOMPARE(asked, command::kHelpIndex);
  }

  void settingsRegistryKeepsNumbersInItsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("registry.ini");
    QSettings(path, QSettings::IniFormat).setValue("Software/Selkan/com", "COM2");
    {
      QSettingsRegistry registry(path);
      QCOMPARE(registry.ReadValueOrZero("Software\\Selkan", "Type"), 0u);
      QVERIFY(registry.WriteValue("Software\\Selkan", "Type", 2));
      QVERIFY(registry.WriteValue("Software\\Selkan", "Field", 0xFFFFFFFFu));
      QVERIFY(registry.WriteValue("Software\\Other", "Type", 7));
    }
    QSettingsRegistry again(path);
    QCOMPARE(again.ReadValue("Software\\Selkan", "Type"), std::optional<std::uint32_t>(2));
    QCOMPARE(again.ReadValue("Software\\Selkan", "Field"),
             std::optional<std::uint32_t>(0xFFFFFFFFu));
    QCOMPARE(again.ReadValue("Software\\Other", "Type"), std::optional<std::uint32_t>(7));
    QVERIFY(!again.ReadValue("Software\\Selkan", "com").has_value());  // no number
    QCOMPARE(RegistrySettingsPath("Software\\", "com"), QStringLiteral("Software/com"));
  }

  void profileTextDecodesUtf8AndGbk() {
    QCOMPARE(ProfileText("Selkan"), QStringLiteral("Selkan"));
    QCOMPARE(ProfileText("\xE4\xBF\xA1\xE9\x81\x93"), QString::fromUtf8("信道"));
    // "信道" in GB2312.
    const QString gbk = ProfileText("\xD0\xC5\xB5\xC0");
    if (QStringDecoder("GB18030").isValid())
      QCOMPARE(gbk, QString::fromUtf8("信道"));
    else
      QCOMPARE(gbk.size(), 4);
    QCOMPARE(ProfileText(""), QString());
  }

  void aboutBoxShowsTheLanguageSection_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("owner");
    QTest::newRow("English") << "English"
                             << "About Selkan"
                             << "Selkan Radio Co., Ltd.";
    QTest::newRow("Chinese") << "Chinese" << QString::fromUtf8("关于 Selkan")
                             << QString::fromUtf8("赛尔坎电台有限公司");
    QTest::newRow("no section") << "Klingon"
                                << ""
                                << "";
  }
  void aboutBoxShowsTheLanguageSection() {
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, owner);
    ProgramDir dir(language);
    CProfileStore profile;
    profile.Load(dir.Path("Selkan.ini").toStdString(), false, true, false);
    ProcessSettings settings;
    settings.Initialize(profile, dir.Path("").toStdString());
    CSelkanApp app;
    CAboutDlg about(settings);
    QCOMPARE(about.windowTitle(), caption);
    QCOMPARE(about.findChild<QLabel*>("owner1003")->text(), owner);
    QCOMPARE(about.findChild<QLabel*>("version1001")->text().isEmpty(), caption.isEmpty());
    QVERIFY(!about.findChild<QLabel*>("icon1004")->pixmap().isNull());
    // Without title.ico the program's own icon stands there.
    dir.Remove("title.ico");
    CAboutDlg plain(settings);
    QVERIFY(!plain.findChild<QLabel*>("icon1004")->pixmap().isNull());
  }

  void aboutCommandRunsTheBox() {
    Program p;
    QString seen;
    QTimer::singleShot(0, [&seen] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(box);
      seen = box->windowTitle();
      box->accept();
    });
    p.frame->Action(command::kAppAbout)->trigger();
    QCOMPARE(seen, QStringLiteral("About Selkan"));
  }
};

QTEST_MAIN(FramePartsTest)
#include "frame_parts_test.moc"

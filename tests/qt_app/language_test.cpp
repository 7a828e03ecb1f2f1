// Setup > Language: the dialog's choice is stored only once the user has
// agreed to close, and the program then starts anew through the restart seam.
#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app_fixture.h"
#include "dialogs/language_dlg.h"
#include "dialogs/program_restart.h"
#include "link/gui/transfer_monitor.h"
#include "platform/qt/help_request.h"
#include "settings/process_settings.h"

using namespace selkan;
using namespace selkan::test;

namespace {

enum class Choice { Cancel, SameLanguage, OtherLanguage };

// Answers the Language dialog when it opens; counts the dialogs seen.
void AnswerLanguageDialog(Choice choice, int* opened) {
  QTimer::singleShot(0, [choice, opened] {
    auto* dialog = qobject_cast<CLanguageDlg*>(QApplication::activeModalWidget());
    if (!dialog) return;
    ++*opened;
    if (choice == Choice::Cancel) {
      dialog->reject();
      return;
    }
    const bool chinese = dialog->ChineseButton()->isChecked();
    (chinese == (choice == Choice::SameLanguage) ? dialog->ChineseButton()
                                                 : dialog->EnglishButton())
        ->setChecked(true);
    dialog->accept();
  });
}

// Records the program files the frame tries to start.
struct Starts {
  explicit Starts(bool succeed = true) {
    SetProgramStarter([this, succeed](const QString& file) {
      files.append(file);
      return succeed;
    });
  }
  ~Starts() { SetProgramStarter({}); }
  QStringList files;
};

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT
 private slots:
  void dialogPreselectsTheRunningLanguageAndNotesAChange() {
    int topic = 0;
    SetHelpHandler([&topic](int contextId) { topic = contextId; });
    CLanguageDlg dialog(Language::Chinese);
    QVERIFY(dialog.ChineseButton()->isChecked());
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(topic, 32799);
    dialog.accept();
    QVERIFY(!dialog.LanguageChanged());
    dialog.EnglishButton()->setChecked(true);
    dialog.accept();
    QVERIFY(dialog.LanguageChanged());
    QCOMPARE(dialog.ChosenLanguageName(), std::string("English"));
    SetHelpHandler({});
  }

  void cancelTheSameLanguageAndATransferTouchNothing() {
    Program p;
    Starts starts;
    const QByteArray before = p.dir.ReadFile("Selkan.ini");
    int opened = 0;
    for (Choice choice : {Choice::Cancel, Choice::SameLanguage}) {
      AnswerLanguageDialog(choice, &opened);
      p.frame->Action(command::kLanguage)->trigger();
    }
    QCOMPARE(opened, 2);
    {
      // While a transfer runs the command is refused before the dialog.
      TransferMonitor::Scope transfer;
      QVERIFY(!p.frame->Action(command::kLanguage)->isEnabled());
      AnswerLanguageDialog(Choice::OtherLanguage, &opened);
      p.frame->OnLanguage();
      QTest::qWait(0);
      QCOMPARE(opened, 2);
    }
    QCOMPARE(p.dir.ReadFile("Selkan.ini"), before);
    QVERIFY(!QFile::exists(p.dir.Path("Olvane.ini")));
    QVERIFY(starts.files.isEmpty());
    QVERIFY(p.frame->isVisible());
  }

  void cancellingTheSavePromptAbandonsTheRestart() {
    Program p;
    Starts starts;
    p.child->Document().SetModified(true);
    const QByteArray before = p.dir.ReadFile("Selkan.ini");
    p.answers.buttons = {QMessageBox::Cancel};
    int opened = 0;
    AnswerLanguageDialog(Choice::OtherLanguage, &opened);
    p.frame->OnLanguage();
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    QCOMPARE(p.dir.ReadFile("Selkan.ini"), before);
    QVERIFY(!QFile::exists(p.dir.Path("Olvane.ini")));
    QVERIFY(starts.files.isEmpty());
    QVERIFY(p.frame->isVisible());
  }

  void anotherLanguageIsStoredThenTheProgramStartsAnew() {
    Program p(QStringLiteral("Chinese"));
    Starts starts;
    p.child->Document().SetModified(true);
    p.answers.buttons = {QMessageBox::Discard};
    int opened = 0;
    AnswerLanguageDialog(Choice::OtherLanguage, &opened);
    p.frame->OnLanguage();
    QCOMPARE(p.answers.messages.size(), std::size_t{1});  // asked once, not again on closing
    QVERIFY(p.dir.ReadFile("Selkan.ini").contains("Language=English\r\n"));
    QCOMPARE(p.dir.ReadFile("Olvane.ini"), QByteArray("[Setup]\r\nLanguage=English\r\n"));
    QCOMPARE(starts.files, QStringList{QCoreApplication::applicationFilePath()});
    QVERIFY(!p.frame->isVisible());
  }

  // The user may not change the shipped Selkan.ini (as when installed): the
  // choice goes to the user's own copy, which the next start reads.
  void aReadOnlyProfileLeavesTheChoiceInTheUsersCopy() {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    ProgramDir dir;
    QVERIFY(QFile::setPermissions(dir.Path("Selkan.ini"), QFileDevice::ReadOwner));
    const QByteArray shipped = dir.ReadFile("Selkan.ini");
    {
      Answers answers;
      StartedApp started(dir);
      Starts starts;
      int opened = 0;
      AnswerLanguageDialog(Choice::OtherLanguage, &opened);
      started.app.MainFrame()->OnLanguage();
      QCOMPARE(starts.files.size(), 1);
    }
    QCOMPARE(dir.ReadFile("Selkan.ini"), shipped);
    QVERIFY(!QFile::exists(dir.Path("Olvane.ini")));
    QDir own(config.path() + "/Selkan");
    QVERIFY(QFile::exists(own.filePath("Olvane.ini")));
    {
      Answers answers;
      StartedApp next(dir);
      QVERIFY(next.started);
      QCOMPARE(Settings().LanguageName(), std::string("Chinese"));
    }
    qunsetenv("XDG_CONFIG_HOME");
  }

  void failuresAreReportedAndTheProgramStays() {
    Program p;
    {
      // The program file cannot be started: said so, and the window stays.
      Starts starts(false);
      int opened = 0;
      AnswerLanguageDialog(Choice::OtherLanguage, &opened);
      p.frame->OnLanguage();
      QCOMPARE(starts.files.size(), 1);
      QCOMPARE(p.answers.messages.size(), std::size_t{1});
      QVERIFY(p.answers.messages[0].text.contains(starts.files[0]));
      QVERIFY(p.frame->isVisible());
    }
    // The settings cannot be written: said so, and nothing starts.
    p.dir.SetLanguage(QStringLiteral("English"));
    QVERIFY(p.dir.Remove("Olvane.ini"));
    QVERIFY(QDir().mkdir(p.dir.Path("Olvane.ini")));
    Starts starts;
    int opened = 0;
    AnswerLanguageDialog(Choice::OtherLanguage, &opened);
    p.frame->OnLanguage();
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QVERIFY(p.answers.messages[1].text.contains("Olvane.ini"));
    QVERIFY(starts.files.isEmpty());
    QVERIFY(p.frame->isVisible());
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

// Setup > Language: the dialog's choice is stored only once the user has
// agreed to close, and the program then starts anew through the restart seam.
#include <QRadioButton>
#include <QtTest>

#include "app_fixture.h"
#include "dialogs/language_dlg.h"
#include "dialogs/program_restart.h"
#include "settings/process_settings.h"

using namespace selkan;
using namespace selkan::test;

namespace {

// Picks the language that is not running in the Language dialog and OKs it.
void ChooseTheOtherLanguage(CMainFrame* frame) {
  NextDialog next([](QDialog* dialog) {
    auto* language = static_cast<CLanguageDlg*>(dialog);
    (language->ChineseButton()->isChecked() ? language->EnglishButton()
                                             : language->ChineseButton())
        ->setChecked(true);
    dialog->accept();
  });
  frame->OnLanguage();
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
    CLanguageDlg dialog(Language::Chinese);
    QVERIFY(dialog.ChineseButton()->isChecked());
    dialog.accept();
    QVERIFY(!dialog.LanguageChanged());
    dialog.EnglishButton()->setChecked(true);
    dialog.accept();
    QVERIFY(dialog.LanguageChanged());
    QCOMPARE(dialog.ChosenLanguageName(), std::string("English"));
  }

  // Cancel at the save prompt abandons the restart before anything is
  // written; otherwise the choice is stored, the user asked only once, and
  // the program starts anew.
  void theChoiceIsStoredOnlyOnceTheUserAgreedToClose() {
    Program p(QStringLiteral("Chinese"));
    Starts starts;
    p.child->Document().SetModified(true);
    const QByteArray before = p.dir.ReadFile("Selkan.ini");
    p.answers.buttons = {QMessageBox::Cancel, QMessageBox::Discard};
    ChooseTheOtherLanguage(p.frame);
    QCOMPARE(p.dir.ReadFile("Selkan.ini"), before);
    QVERIFY(!QFile::exists(p.dir.Path("Olvane.ini")));
    QVERIFY(starts.files.isEmpty());
    QVERIFY(p.frame->isVisible());

    ChooseTheOtherLanguage(p.frame);
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QByteArray expected = before;
    expected.replace("Language=Chinese", "Language=English");  // and nothing else
    QCOMPARE(p.dir.ReadFile("Selkan.ini"), expected);
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
      ChooseTheOtherLanguage(started.app.MainFrame());
      QCOMPARE(starts.files.size(), 1);
    }
    QCOMPARE(dir.ReadFile("Selkan.ini"), shipped);
    QVERIFY(QFile::exists(config.path() + "/Selkan/Olvane.ini"));
    {
      Answers answers;
      StartedApp next(dir);
      QVERIFY(next.started);
      QCOMPARE(Settings().LanguageName(), std::string("Chinese"));
    }
    qunsetenv("XDG_CONFIG_HOME");
  }

  // A program that cannot be started, or settings that cannot be written,
  // are said, and the program stays.
  void failuresAreReportedAndTheProgramStays() {
    Program p;
    {
      Starts starts(false);
      ChooseTheOtherLanguage(p.frame);
      QCOMPARE(starts.files.size(), 1);
      QVERIFY(p.answers.messages.at(0).text.contains(starts.files[0]));
      QVERIFY(p.frame->isVisible());
    }
    p.dir.SetLanguage(QStringLiteral("English"));
    QVERIFY(p.dir.Remove("Olvane.ini"));
    QVERIFY(QDir().mkdir(p.dir.Path("Olvane.ini")));
    Starts starts;
    ChooseTheOtherLanguage(p.frame);
    QVERIFY(p.answers.messages.at(1).text.contains("Olvane.ini"));
    QVERIFY(starts.files.isEmpty());
    QVERIFY(p.frame->isVisible());
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

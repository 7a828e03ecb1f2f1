// The main frame's Language command: the choice for the next start, stored
// once the user has agreed to close, then the program starts anew.
#include <QDir>
#include <QStatusBar>

#include "app/qt/main_frame.h"
#include "dialogs/qt/language_dlg.h"
#include "dialogs/qt/program_restart.h"
#include "platform/qt/message_box.h"
#include "settings/language_choice.h"
#include "settings/process_settings.h"
#include "settings/profile_store.h"

namespace selkan {

void CMainFrame::OnLanguage() {
  if (RefuseWhileBusy() || Children().isEmpty()) return;
  CLanguageDlg dialog(settings_.language(), this);
  if (dialog.exec() != QDialog::Accepted || !dialog.LanguageChanged()) return;
  // Closing loses unsaved edits: ask first, as quitting does. Cancel
  // abandons the restart before anything is written.
  if (!SaveModifiedDocuments()) return;

  std::string error;
  std::string makerError;
  if (!StoreLanguageChoice(profile_, dialog.ChosenLanguageName(), &error, &makerError)) {
    ShowMessage({this, messageCaption_,
                 tr("The language could not be stored, so the program does not restart.\n%1")
                     .arg(QString::fromStdString(error)),
                 QMessageBox::Warning, QMessageBox::Ok});
    return;
  }
  // The maker's file is never read back: the choice stands without it.
  if (!makerError.empty())
    statusBar()->showMessage(tr("The language is stored; the maker's settings file is not: %1")
                                 .arg(QString::fromStdString(makerError)));
  const QString program = RunningProgramFile();
  if (!StartProgram(program)) {
    ShowMessage({this, messageCaption_,
                 tr("The program %1 could not be started. The new language takes effect when "
                    "the program is started again.")
                     .arg(QDir::toNativeSeparators(program)),
                 QMessageBox::Warning, QMessageBox::Ok});
    return;
  }
  // The documents were asked about: close without asking again.
  savePromptAnswered_ = true;
  close();
}

}  // namespace selkan

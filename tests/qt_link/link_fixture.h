#pragma once

// Shared by the link tests: the virtual radio (tests/support), a transfer
// run from the program's menu, a data folder of the test's own.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/qt/main_frame.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/process_dlg.h"
#include "link/gui/transfer_controller.h"
#include "tests/qt_app/app_fixture.h"
#include "tests/support/sim_process.h"

namespace selkan::test {

// The user's data folder (where the program keeps its backups) is a
// temporary one while this object lives.
class DataHome {
 public:
  DataHome() { qputenv("XDG_DATA_HOME", dir_.path().toLocal8Bit()); }
  ~DataHome() { qunsetenv("XDG_DATA_HOME"); }
  DataHome(const DataHome&) = delete;
  DataHome& operator=(const DataHome&) = delete;
  QDir Backups() const { return QDir(dir_.filePath("Selkan/backups")); }

 private:
  QTemporaryDir dir_;
};

inline constexpr int kTransferLimitMs = 60000;  // bound only; a transfer takes seconds

// The program's document on the port of the virtual radio.
inline void UsePort(Program& program, const SimProcess& sim, const std::string& suffix = {}) {
  QVERIFY(sim.Started());
  program.view->SetPortName(QString::fromStdString(sim.Link() + suffix));
}

inline CTransferController* Controller(Program& program) {
  return program.view->findChild<CTransferController*>(QString(), Qt::FindDirectChildrenOnly);
}
inline CProcessDlg* Dialog(Program& program) { return program.view->findChild<CProcessDlg*>(); }

struct TransferRun {
  TransferOutcome outcome = TransferOutcome::kCancelled;
  int lastCounter = -1;
  bool finished = false;
};

// Opens the window with the command, lets prepare change it, clicks OK and
// waits for the end. onStep runs at each progress step with the position.
inline TransferRun RunTransfer(Program& program, int command,
                               const std::function<void(int)>& onStep = {},
                               const std::function<void(CProcessDlg&)>& prepare = {}) {
  TransferRun run;
  program.frame->Action(command)->trigger();
  QPointer<CProcessDlg> dialog = Dialog(program);
  if (!dialog) return run;
  if (prepare) prepare(*dialog);
  auto connection = QObject::connect(Controller(program), &CTransferController::finished,
                                     [&run](TransferOutcome outcome, TransferDirection) {
                                       run.outcome = outcome;
                                       run.finished = true;
                                     });
  QObject::connect(dialog->ProgressBar(), &QProgressBar::valueChanged, dialog,
                   [&run, dialog, onStep](int value) {
                     run.lastCounter = dialog->Counter()->text().toInt();
                     if (onStep) onStep(value);
                   });
  QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  [&] { QTRY_VERIFY_WITH_TIMEOUT(run.finished, kTransferLimitMs); }();
  QObject::disconnect(connection);
  return run;
}

}  // namespace selkan::test

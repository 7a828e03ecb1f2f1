#pragma once

// Shared by the link tests: the virtual radio in a process of its own on a
// pseudo-terminal reached through a symbolic link, with its frame log; a
// transfer run from the program's menu; a data folder of the test's own.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/qt/main_frame.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/process_dlg.h"
#include "link/gui/transfer_controller.h"
#include "model/radio_image.h"
#include "tests/qt_app/app_fixture.h"

namespace selkan::test {

class VirtualRadioProcess {
 public:
  // Starts selkan-sim on a copy of image with the given fault options; the
  // port is Link() once Started().
  VirtualRadioProcess(const RadioImage& image, const QStringList& faults = {}) {
    SaveDatFile(ImagePath().toStdString(), image);
    QStringList args{"--image", ImagePath(), "--link", Link(), "--log", LogPath()};
    args += faults;
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(QStringLiteral(SELKAN_BIN_DIR "/selkan-sim"), args);
    // The device line comes once the pty is ready.
    if (process_.waitForStarted(10000)) {
      while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
      }
      started_ = process_.canReadLine();
    }
  }
  ~VirtualRadioProcess() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }
  VirtualRadioProcess(const VirtualRadioProcess&) = delete;
  VirtualRadioProcess& operator=(const VirtualRadioProcess&) = delete;

  bool Started() const { return started_; }
  QString Link() const { return dir_.filePath("radio-port"); }
  QString ImagePath() const { return dir_.filePath("radio.dat"); }
  QString LogPath() const { return dir_.filePath("sim.log"); }

  QStringList LogLines() const {
    QFile file(LogPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }
  // Frames the radio received that begin with the byte given in hex ("52").
  int ReceivedFrames(const QString& firstByte) const {
    int count = 0;
    for (const QString& line : LogLines()) {
      const QStringList parts = line.simplified().split(' ');
      if (parts.size() >= 3 && parts[1] == "rx" && parts[2] == firstByte) ++count;
    }
    return count;
  }
  int ReceivedFramesAll() const {
    int count = 0;
    for (const QString& line : LogLines())
      if (line.simplified().split(' ').value(1) == "rx") ++count;
    return count;
  }
  bool Saved() const {
    for (const QString& line : LogLines())
      if (line.contains("saved")) return true;
    return false;
  }
  RadioImage Memory() const { return LoadDatFile(ImagePath().toStdString()).image; }

 private:
  QTemporaryDir dir_;
  QProcess process_;
  bool started_ = false;
};

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

// Measures how the desktop program keeps up during a transfer against a
// virtual radio paced at 9600 baud: the longest gap between two runs of a
// 10 ms timer on the user-interface thread, and the CPU the program uses,
// for a read and for a write with its backup and check.
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/main_frame.h"
#include "app/qt/selkan_app.h"
#include "editor/qt/selkan_view.h"
#include "link/gui/process_dlg.h"
#include "link/gui/transfer_controller.h"
#include "platform/qt/message_box.h"
#include "platform/registry.h"
#include "settings/profile_store.h"

namespace {

using selkan::CProcessDlg;
using selkan::CTransferController;
using selkan::TransferDirection;
using selkan::TransferOutcome;

constexpr int kTickMs = 10;
constexpr double kGoalMs = 50;  // the longest a healthy transfer may hold up the window

double ChargedSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
         usage.ru_stime.tv_usec / 1e6;
}

// What the scheduler measured for all threads of the program.
double RunSeconds() {
  double total = 0;
  for (const QString& task : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    std::ifstream schedstat(("/proc/self/task/" + task + "/schedstat").toStdString());
    double nanoseconds = 0;
    if (schedstat >> nanoseconds) total += nanoseconds / 1e9;
  }
  return total;
}

struct Measure {
  TransferOutcome outcome = TransferOutcome::kCancelled;
  double wallSeconds = 0;
  double longestGapMs = 0;
  double gap99Ms = 0;  // 99 % of the gaps are no longer
  int gapsOverGoal = 0;
  int ticks = 0;
  double chargedSeconds = 0;
  double runSeconds = 0;
};

// One transfer through the program's menu, with the window's OK pressed.
Measure Transfer(selkan::CMainFrame& frame, selkan::CSelkanView& view, int command) {
  Measure m;
  frame.Action(command)->trigger();
  auto* controller = view.findChild<CTransferController*>(QString(), Qt::FindDirectChildrenOnly);
  CProcessDlg* dialog = view.findChild<CProcessDlg*>();
  if (controller == nullptr || dialog == nullptr) return m;

  QEventLoop done;
  QObject::connect(controller, &CTransferController::finished, &done,
                   [&](TransferOutcome outcome, TransferDirection) {
                     m.outcome = outcome;
                     done.quit();
                   });
  QElapsedTimer clock;
  qint64 last = 0;
  std::vector<double> gaps;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    gaps.push_back((now - last) / 1e6);
    last = now;
    ++m.ticks;
  });
  const double charged = ChargedSeconds();
  const double run = RunSeconds();
  clock.start();
  tick.start(kTickMs);
  dialog->accept();  // OK
  done.exec();
  const qint64 end = clock.nsecsElapsed();
  gaps.push_back((end - last) / 1e6);
  tick.stop();
  std::sort(gaps.begin(), gaps.end());
  m.longestGapMs = gaps.back();
  m.gap99Ms = gaps[gaps.size() * 99 / 100];
  m.gapsOverGoal =
      static_cast<int>(gaps.end() - std::upper_bound(gaps.begin(), gaps.end(), kGoalMs));
  m.wallSeconds = end / 1e9;
  m.chargedSeconds = ChargedSeconds() - charged;
  m.runSeconds = RunSeconds() - run;
  return m;
}

void Report(const char* name, const Measure& m) {
  std::printf(
      "%-11s outcome %d  wall %6.2f s  %d ticks of %d ms: longest gap %.1f ms, 99%% within"
      " %.1f ms, %d over %.0f ms\n"
      "%-11s cpu: charged %.3f s = %4.1f%% of a core; scheduler %.3f s = %4.1f%%\n",
      name, static_cast<int>(m.outcome), m.wallSeconds, m.ticks, kTickMs, m.longestGapMs, m.gap99Ms,
      m.gapsOverGoal, kGoalMs, "", m.chargedSeconds, 100.0 * m.chargedSeconds / m.wallSeconds,
      m.runSeconds, 100.0 * m.runSeconds / m.wallSeconds);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QString bin = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(SELKAN_BIN_DIR);
  QTemporaryDir data;  // backups of the write go here
  qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());

  QProcess sim;
  sim.start(bin + "/selkan-sim", {"--realtime"});
  if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000)) {
    std::fprintf(stderr, "selkan-ui-bench: selkan-sim did not start\n");
    return 1;
  }
  const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();

  selkan::SetProgramDirectory(bin.toStdString());
  selkan::SetMessageHandler([](const selkan::MessageRequest& request) {
    std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
    return QMessageBox::Ok;
  });
  int status = 1;
  {
    selkan::CSelkanApp app;
    app.SetRegistry(std::make_unique<selkan::MemoryRegistry>());
    if (app.InitInstance({})) {
      selkan::CMainFrame* frame = app.MainFrame();
      selkan::CSelkanView* view = frame->ActiveChild()->View();
      view->SetPortName(device);
      std::printf("virtual radio on %s (9600 baud pacing), platform %s\n", qPrintable(device),
                  qPrintable(QApplication::platformName()));
      const Measure read = Transfer(*frame, *view, selkan::command::kRead);
      Report("read", read);
      const Measure write = Transfer(*frame, *view, selkan::command::kWrite);
      Report("safe write", write);
      status = read.outcome == TransferOutcome::kCompleted &&
                       write.outcome == TransferOutcome::kCompleted
                   ? 0
                   : 1;
    }
  }
  selkan::SetMessageHandler({});
  sim.terminate();
  sim.waitForFinished(5000);
  return status;
}

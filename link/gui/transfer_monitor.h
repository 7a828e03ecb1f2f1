#pragma once

#include <QObject>

namespace selkan {

// Whether a radio transfer is running somewhere in the program. The
// transfer pumps the event queue between blocks, so commands that would
// destroy a document or its view ask here first and refuse while it runs.
class TransferMonitor : public QObject {
  Q_OBJECT
 public:
  static TransferMonitor& Instance();
  bool Running() const { return running_ > 0; }

  // Marks a transfer as running for its lifetime.
  class Scope {
   public:
    Scope();
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
  };

 signals:
  void runningChanged(bool running);

 private:
  TransferMonitor() = default;
  int running_ = 0;
};

// Shorthand for TransferMonitor::Instance().Running().
bool TransferRunning();

}  // namespace selkan

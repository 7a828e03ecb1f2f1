#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace selkan::test {

struct RunResult {
  int exitCode = -1;   // -1 when the program was killed or did not start
  std::string output;  // stdout and stderr together
};

// Runs a program to its end, killing it after timeoutSeconds.
RunResult RunProgram(const std::string& path, const std::vector<std::string>& args,
                     double timeoutSeconds);

// Asks `done` every 10 ms until it holds (true) or the seconds are up (false).
bool WaitFor(const std::function<bool()>& done, double seconds);

// A program in the background; stdout (and stderr, merged) is a pipe, stdin too with withInput.
class BackgroundProcess {
 public:
  BackgroundProcess(const std::string& path, const std::vector<std::string>& args,
                    bool mergeStderr = false, bool withInput = false);
  ~BackgroundProcess();  // SIGTERM, then SIGKILL if it does not end
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;

  // Appends output to out up to a newline (line) or its end; false on time-out.
  bool Read(std::string& out, bool line, double timeoutSeconds);
  bool Write(const std::string& text);  // Writes to its stdin (withInput); false when that fails.
  // Sends a signal (0: none) and waits for the exit status; -1 when it was killed.
  int Stop(int signal, double timeoutSeconds);

 private:
  pid_t pid_ = -1;
  int stdout_ = -1;
  int stdin_ = -1;
  bool reaped_ = false;
};

}  // namespace selkan::test

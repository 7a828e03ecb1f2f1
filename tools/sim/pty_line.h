#pragma once

#include <string>

namespace selkan::sim {

// The radio's end of a pseudo-terminal. The programmer opens the slave
// device; the radio reads and writes the master. A slave descriptor stays
// open here for the whole life of the line so that the master does not see
// a hang-up (EIO) between two sessions.
class PtyLine {
 public:
  PtyLine() = default;
  ~PtyLine();
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;

  // Opens the pair and puts the slave in raw mode, so that nothing is
  // echoed or translated. False with *error on failure.
  bool Open(std::string* error);

  int master() const { return master_; }
  const std::string& slavePath() const { return slavePath_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
};

}  // namespace selkan::sim

#pragma once
// Runs test code in a forked copy of the test process. The roads that end the
// program inside a control's handler need the real end of the program, since no
// exception may pass through Qt's signal code, and only another process can
// watch a process end.

#include <functional>
#include <string>

namespace support {

struct ChildResult {
  bool exited = false;  // left by exit, not killed by a signal
  int exitCode = -1;
  int signal = 0;
  std::string report;   // what the child wrote as the program ended
};

// Exit code of a child that went on without ending the program.
constexpr int kChildDidNotEnd = 99;

// Forks. In the child it returns true, having arranged that the real end of the
// program writes `report` to the parent (the process then leaves with code 0);
// a child still running after `seconds` is killed. In the parent it waits for
// the child, fills `result` and returns false.
bool ForkUntilProgramEnds(const std::function<std::string()>& report, ChildResult& result, int seconds = 60);

// Runs `body` in a child process made by ForkUntilProgramEnds; a body that
// returns leaves the child with kChildDidNotEnd.
ChildResult RunUntilProgramEnds(const std::function<void()>& body, const std::function<std::string()>& report,
                                int seconds = 60);

}  // namespace support

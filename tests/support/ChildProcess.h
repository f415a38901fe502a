#pragma once
// Runs test code in a forked copy of the test process. The roads that end the
// program inside a control's handler need the real end of the program, since no
// exception may pass through Qt's signal code, and only another process can
// watch a process end.

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace support {

struct ChildResult {
  bool exited = false;  // left by exit, not killed by a signal
  int exitCode = -1;
  int signal = 0;
  std::string report;   // what the child wrote as the program ended
};

// Exit code of a child that went on without ending the program.
constexpr int kChildDidNotEnd = 99;

// Children that run side by side, at most `limit` at a time.
class ChildPool {
 public:
  explicit ChildPool(int limit) : limit_(limit < 1 ? 1 : limit) {}
  ~ChildPool() { Finish(); }
  ChildPool(const ChildPool&) = delete;
  ChildPool& operator=(const ChildPool&) = delete;

  // Forks. In the child it returns true, having arranged that the real end of
  // the program writes `report` to the parent (the process then leaves with
  // code 0); a child still running after `seconds` is killed. In the parent it
  // returns false at once, after waiting for a child to finish when `limit` run.
  bool Fork(int tag, const std::function<std::string()>& report, int seconds = 60);
  // Waits for every child; the results of all children so far, by tag.
  const std::vector<std::pair<int, ChildResult>>& Finish();

 private:
  struct Running {
    pid_t pid;
    int fd;
    int tag;
  };
  void CollectOne();

  int limit_;
  std::vector<Running> running_;
  std::vector<std::pair<int, ChildResult>> done_;
};

// Runs `body` in a child process; a body that returns leaves the child with
// kChildDidNotEnd.
ChildResult RunUntilProgramEnds(const std::function<void()>& body, const std::function<std::string()>& report,
                                int seconds = 60);

}  // namespace support

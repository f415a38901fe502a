#include "ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/ui/Seams.h"

namespace support {
namespace {

void WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

// The offscreen platform's notes on window calls it ignores would flood the log.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

bool ChildPool::Fork(int tag, const std::function<std::string()>& report, int seconds) {
  while (static_cast<int>(running_.size()) >= limit_) CollectOne();
  int fds[2];
  if (pipe(fds) != 0) {
    done_.push_back({tag, ChildResult{}});
    return false;
  }
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    done_.push_back({tag, ChildResult{}});
    return false;
  }
  if (pid == 0) {
    close(fds[0]);
    // The pipes of the brothers still running belong to the parent.
    for (const Running& r : running_) close(r.fd);
    running_.clear();
    done_.clear();
    alarm(static_cast<unsigned>(seconds));
    qInstallMessageHandler(QuietMessages);
    const int out = fds[1];
    // The real end follows the handler: the process leaves with code 0.
    ui::SetEndHandler([out, report] { WriteAll(out, report()); });
    return true;
  }
  close(fds[1]);
  running_.push_back({pid, fds[0], tag});
  return false;
}

void ChildPool::CollectOne() {
  int status = 0;
  const pid_t pid = waitpid(-1, &status, 0);
  const auto it = std::find_if(running_.begin(), running_.end(), [pid](const Running& r) { return r.pid == pid; });
  if (it == running_.end()) {
    // Not one of ours, or no child at all: give up on the rest rather than wait forever.
    if (pid < 0) {
      for (const Running& r : running_) {
        close(r.fd);
        done_.push_back({r.tag, ChildResult{}});
      }
      running_.clear();
    }
    return;
  }
  ChildResult result;
  // A child writes its short report before it ends, so the pipe holds all of it by now.
  char buf[4096];
  ssize_t n;
  while ((n = read(it->fd, buf, sizeof buf)) > 0) result.report.append(buf, static_cast<size_t>(n));
  close(it->fd);
  result.exited = WIFEXITED(status);
  result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  done_.push_back({it->tag, result});
  running_.erase(it);
}

const std::vector<std::pair<int, ChildResult>>& ChildPool::Finish() {
  while (!running_.empty()) CollectOne();
  return done_;
}

ChildResult RunUntilProgramEnds(const std::function<void()>& body, const std::function<std::string()>& report,
                                int seconds) {
  ChildPool pool(1);
  if (pool.Fork(0, report, seconds)) {
    body();
    std::_Exit(kChildDidNotEnd);
  }
  const auto& results = pool.Finish();
  return results.empty() ? ChildResult{} : results.front().second;
}

}  // namespace support

#include "ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QtGlobal>
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

bool ForkUntilProgramEnds(const std::function<std::string()>& report, ChildResult& result, int seconds) {
  result = ChildResult{};
  int fds[2];
  if (pipe(fds) != 0) return false;
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    return false;
  }
  if (pid == 0) {
    close(fds[0]);
    alarm(static_cast<unsigned>(seconds));
    qInstallMessageHandler(QuietMessages);
    const int out = fds[1];
    ui::SetEndHandler([out, report] { WriteAll(out, report()); });
    return true;
  }
  close(fds[1]);
  char buf[4096];
  ssize_t n;
  while ((n = read(fds[0], buf, sizeof buf)) > 0) result.report.append(buf, static_cast<size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exited = WIFEXITED(status);
  result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return false;
}

ChildResult RunUntilProgramEnds(const std::function<void()>& body, const std::function<std::string()>& report,
                                int seconds) {
  ChildResult result;
  if (ForkUntilProgramEnds(report, result, seconds)) {
    body();
    std::_Exit(kChildDidNotEnd);
  }
  return result;
}

}  // namespace support

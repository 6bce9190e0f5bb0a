#include "base/forked_call.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace tablora {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

/// Makes the child's surroundings: quiet standard streams, the default action for fatal
/// signals (a crash handler the parent installed must not run for the child) and the
/// memory limit.
void PrepareChild(const ForkedCall::Limits& limits) {
  const int null = ::open("/dev/null", O_RDWR);
  if (null >= 0) {
    ::dup2(null, 0);
    ::dup2(null, 1);
    ::dup2(null, 2);
    if (null > 2) ::close(null);
  }
  for (int sig : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGPIPE, SIGTERM})
    ::signal(sig, SIG_DFL);
  if (!kSanitized) {
    const rlimit memory{limits.memoryBytes, limits.memoryBytes};
    ::setrlimit(RLIMIT_AS, &memory);
  }
}

[[noreturn]] void RunChild(int out, const std::function<int(const ForkedCall::Write&)>& work,
                           const ForkedCall::Limits& limits) {
  PrepareChild(limits);
  const ForkedCall::Write write = [out](std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(out, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ::_exit(126);  // the parent is gone
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  };
  int status = 125;
  try {
    status = work(write);
  } catch (...) {
    status = 125;
  }
  // _exit: no atexit handlers, no flushing of the parent's buffered output twice.
  ::_exit(status);
}

}  // namespace

ForkedCall::Outcome ForkedCall::Run(const std::function<int(const Write&)>& work,
                                    const Limits& limits) {
  Outcome outcome;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    outcome.code = errno;
    return outcome;
  }
  const pid_t pid = ::fork();
  if (pid < 0) {
    outcome.code = errno;
    ::close(fds[0]);
    ::close(fds[1]);
    return outcome;
  }
  if (pid == 0) {
    ::close(fds[0]);
    RunChild(fds[1], work, limits);
  }
  ::close(fds[1]);

  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::time_point lastOutput = start;
  bool killed = false;
  char buffer[65536];
  for (;;) {
    const Clock::time_point now = Clock::now();
    const auto since = [now](Clock::time_point t) {
      return std::chrono::duration_cast<std::chrono::milliseconds>(now - t).count();
    };
    const long long stallLeft = limits.stallMilliseconds - since(lastOutput);
    const long long totalLeft = limits.totalMilliseconds - since(start);
    if (stallLeft <= 0 || totalLeft <= 0) {
      outcome.end = totalLeft <= 0 ? End::kTimedOut : End::kStalled;
      ::kill(pid, SIGKILL);
      killed = true;
      break;
    }
    pollfd in{fds[0], POLLIN, 0};
    const int ready = ::poll(&in, 1, static_cast<int>(stallLeft < totalLeft ? stallLeft : totalLeft));
    if (ready < 0 && errno != EINTR) {
      outcome.end = End::kStalled;
      ::kill(pid, SIGKILL);
      killed = true;
      break;
    }
    if (ready <= 0) continue;
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // the child closed its end: it has finished or died
    outcome.output.append(buffer, static_cast<std::size_t>(n));
    lastOutput = Clock::now();
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (killed) return outcome;
  if (WIFSIGNALED(status)) {
    outcome.end = End::kSignalled;
    outcome.code = WTERMSIG(status);
  } else {
    outcome.end = End::kExited;
    outcome.code = WEXITSTATUS(status);
  }
  return outcome;
}

}  // namespace tablora

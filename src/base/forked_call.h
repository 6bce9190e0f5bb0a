#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tablora {

/// Runs a function in a forked child process and collects what it writes, so that a crash,
/// an endless loop or a runaway allocation in the function (or in a library it calls on
/// untrusted input) cannot take the caller with it. The child holds only the calling
/// thread: the function must not wait for anything another thread may hold (no GUI calls).
/// Its standard input, output and error are /dev/null.
class ForkedCall {
 public:
  struct Limits {
    /// The child is killed when it has written nothing for this long.
    int stallMilliseconds = 5000;
    /// ... or when it runs longer than this in all.
    int totalMilliseconds = 60000;
    /// The child's address-space limit in bytes (not applied in sanitizer builds, whose
    /// shadow memory needs more address space than any file does).
    std::size_t memoryBytes = std::size_t{2} << 30;
  };

  enum class End {
    kExited,      ///< `code` is the exit status
    kSignalled,   ///< `code` is the signal that ended the child
    kStalled,     ///< killed after `stallMilliseconds` without output
    kTimedOut,    ///< killed after `totalMilliseconds`
    kNotStarted,  ///< no child could be made; `code` is errno
  };

  struct Outcome {
    End end = End::kNotStarted;
    int code = 0;
    std::string output;  ///< everything the child wrote, in order
  };

  /// Writes bytes to the parent; each call also tells the parent the child is alive.
  using Write = std::function<void(std::string_view)>;

  /// Runs `work` in a child: its return value is the child's exit status.
  static Outcome Run(const std::function<int(const Write&)>& work, const Limits& limits);
};

}  // namespace tablora

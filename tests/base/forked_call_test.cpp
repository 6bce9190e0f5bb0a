#include "base/forked_call.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <new>
#include <vector>

namespace tablora {
namespace {

using End = ForkedCall::End;

/// However the function ends, the caller gets back in time with what it wrote and how it
/// ended; nothing the child prints reaches the caller's streams.
TEST(ForkedCall, EveryEndOfTheChildComesBackInTime) {
  struct Case {
    const char* name;
    std::function<int(const ForkedCall::Write&)> work;
    End end;
    int code;
    std::string output;
  };
  const Case cases[] = {
      {"finishes",
       [](const ForkedCall::Write& write) {
         std::puts("to nobody");
         write("ab");
         write(std::string(100000, 'c'));  // more than a pipe holds at once
         return 3;
       },
       End::kExited, 3, "ab" + std::string(100000, 'c')},
      {"crashes after writing",
       [](const ForkedCall::Write& write) {
         write("before");
         ::raise(SIGSEGV);
         return 0;
       },
       End::kSignalled, SIGSEGV, "before"},
      {"throws", [](const ForkedCall::Write&) -> int { throw std::bad_alloc(); }, End::kExited,
       125, ""},
      {"stops writing and never ends",
       [](const ForkedCall::Write& write) {
         write("x");
         for (;;) ::pause();
         return 0;
       },
       End::kStalled, 0, "x"},
      {"keeps writing and never ends",
       [](const ForkedCall::Write& write) {
         for (;;) {
           write(".");
           ::usleep(20000);
         }
         return 0;
       },
       End::kTimedOut, 0, ""},
  };
  ForkedCall::Limits limits;
  limits.stallMilliseconds = 300;
  limits.totalMilliseconds = 1500;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto start = std::chrono::steady_clock::now();
    const ForkedCall::Outcome outcome = ForkedCall::Run(c.work, limits);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(c.end, outcome.end);
    if (c.end == End::kTimedOut) {
      EXPECT_NE(std::string::npos, outcome.output.find("..."));
    } else {
      EXPECT_EQ(c.code, outcome.code);
      EXPECT_EQ(c.output, outcome.output);
    }
    // Killed at the limit, not much later (a loaded machine may be slow to answer).
    EXPECT_LT(took, std::chrono::seconds(10));
  }
}

}  // namespace
}  // namespace tablora

// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

// How u16 behaves as a process: which arguments it reads, what the
// environment changes (nothing), and what happens when its line cannot be
// written.

#include <gtest/gtest.h>
#include <signal.h>

#include <string>
#include <vector>

#include "harness.h"

namespace u16test {
namespace {

const char* const usage = "usage: u16 NUMBER\n";

TEST(Arguments, OnlyTheFirstIsRead) {
  struct Row {
    std::vector<std::string> argv;
    std::string out;
  };
  // clang-format off
  const Row rows[] = {
      {{"u16", "5", "anything"}, "5\n"},
      {{"u16", "5", "-1"}, "5\n"},
      {{"u16", "5", ""}, "5\n"},
      {{"u16", "x", "5"}, ""},
      {{"u16", "", "5"}, "0\n"},
      {{"u16", "-1", "2", "3", "4"}, "65535\n"},
  };
  // clang-format on
  for (const Row& r : rows) {
    const Outcome o = run({r.argv, {}, Output::pipe});
    EXPECT_EQ(o.out, r.out) << "first argument " << escape(r.argv[1]);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.exit_status, 0) << o;
  }
}

TEST(Arguments, TheProgramNameIsNotRead) {
  const Outcome o = run({{"42", "7"}, {}, Output::pipe});
  EXPECT_EQ(o.out, "7\n");
  EXPECT_EQ(o.exit_status, 0) << o;
}

TEST(Arguments, NoneIsAUsageError) {
  const Outcome o = run({{"u16"}, {}, Output::pipe});
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, usage);
  EXPECT_EQ(o.exit_status, 2) << o;
}

// With an empty argument vector the slot after argv[0] holds the first
// environment string; "42" there must not be taken for an argument.
TEST(Arguments, AnEmptyVectorNeverReadsTheEnvironmentAsAnArgument) {
  if (emulated) GTEST_SKIP() << "qemu-user always gives the program an argv[0]";
  const Outcome o = run({{}, {"42"}, Output::pipe});
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(o.err, usage);
  EXPECT_EQ(o.exit_status, 2) << o;
}

// The kernel takes one argument of at most 128 KiB, its NUL included.
TEST(Arguments, AsLongAsTheKernelAllows) {
  const size_t longest = 128 * 1024 - 1;
  struct Row {
    std::string arg;
    std::string out;
  };
  // clang-format off
  const Row rows[] = {
      {std::string(longest - 2, '0') + "42", "42\n"},
      {std::string("-") + std::string(longest - 2, '0') + "1", "65535\n"},
      {std::string(longest - 2, ' ') + "42", "42\n"},
      {std::string(longest - 3, '0') + "42x", ""},
      {std::string(longest, '9'), ""},
  };
  // clang-format on
  for (const Row& r : rows) {
    const Outcome o = run_u16(r.arg);
    EXPECT_EQ(o.out, r.out) << "argument of " << r.arg.size() << " bytes ending "
                            << escape(r.arg.substr(r.arg.size() - 3));
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.exit_status, 0) << o;
  }
}

// The program never selects a locale and reads no variable, so none of these
// may change what an argument means or what is printed.
TEST(Environment, ChangesNothing) {
  const std::vector<std::vector<std::string>> environments = {
      {"LC_ALL=C.UTF-8"},
      {"LC_ALL=en_US.ISO-8859-1", "LANG=en_US.ISO-8859-1"},
      {"LANG=de_DE.UTF-8", "LC_NUMERIC=de_DE.UTF-8", "LC_CTYPE=de_DE.UTF-8"},
      {"LANGUAGE=fr", "LC_MESSAGES=fr_FR.UTF-8"},
      {"POSIXLY_CORRECT=1", "TZ=UTC", "HOME=/nonexistent", "PATH=/nonexistent"},
      {"U16=1", "NUMBER=7", "42"},
  };
  // The concatenations are deliberate: a near-miss byte, then digits.
  // clang-format off
  // NOLINTBEGIN(bugprone-suspicious-missing-comma)
  const std::vector<std::string> args = {
      "42", SP "-5", "\xA0" "42", "\x85" "42", "1,000", "1.000", "", "9223372036854775808"};
  // NOLINTEND(bugprone-suspicious-missing-comma)
  // clang-format on
  std::vector<std::string> expected;
  expected.reserve(args.size());
  for (const auto& arg : args) expected.push_back(run_u16(arg).out);
  for (const auto& env : environments) {
    for (size_t i = 0; i < args.size(); ++i) {
      const Outcome o = run({{"u16", args[i]}, env, Output::pipe});
      EXPECT_EQ(o.out, expected[i]) << "argument " << escape(args[i]) << " with " << env[0];
      EXPECT_EQ(o.err, "") << env[0];
      EXPECT_EQ(o.exit_status, 0) << o;
    }
  }
}

// What becomes of the line when standard output cannot take it.  A signal
// that ends u16 is the default for a pipe without a reader; where the parent
// ignores SIGPIPE (systemd does for its services) the write fails instead.
// Likewise under a file size limit (`ulimit -f`, systemd's LimitFSIZE=): a
// write takes what still fits, and the next one raises SIGXFSZ or, where that
// is ignored, fails with EFBIG.
enum class Sigxfsz { by_default, ignored };

Invocation to(Output output, bool sigpipe_ignored = false) {
  return {{"u16", "42"}, {}, output, sigpipe_ignored};
}

Invocation file_limited_to(long bytes, Sigxfsz sigxfsz) {
  return {{"u16", "42"}, {}, Output::file, false, bytes, sigxfsz == Sigxfsz::ignored};
}

struct WriteCase {
  const char* where;
  Invocation how;   // always `u16 42`, whose line is 3 bytes
  std::string out;  // what reached standard output
  std::string err;
  int exit_status;  // -1 when a signal ends the process
  int signal;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.where; }

const std::vector<WriteCase>& write_cases() {
  const char* const efbig = "u16: write error: File too large\n";
  // clang-format off
  static const std::vector<WriteCase> cases = {
    {"/dev/full", to(Output::full), "", "u16: write error: No space left on device\n", 1, 0},
    {"closed", to(Output::closed), "", "u16: write error: Bad file descriptor\n", 1, 0},
    {"a pipe without reader", to(Output::broken_pipe), "", "", -1, SIGPIPE},
    {"a pipe without reader, SIGPIPE ignored", to(Output::broken_pipe, true), "",
     "u16: write error: Broken pipe\n", 1, 0},
    {"writes that take nothing", to(Output::stalled), "", "u16: write error: nothing was written\n", 1, 0},
    {"a file limited to 0 bytes", file_limited_to(0, Sigxfsz::by_default), "", "", -1, SIGXFSZ},
    {"a file limited to 1 byte", file_limited_to(1, Sigxfsz::by_default), "4", "", -1, SIGXFSZ},
    {"a file limited to 2 bytes", file_limited_to(2, Sigxfsz::by_default), "42", "", -1, SIGXFSZ},
    {"a file limited to 0 bytes, SIGXFSZ ignored", file_limited_to(0, Sigxfsz::ignored), "", efbig, 1, 0},
    {"a file limited to 1 byte, SIGXFSZ ignored", file_limited_to(1, Sigxfsz::ignored), "4", efbig, 1, 0},
    {"a file limited to 2 bytes, SIGXFSZ ignored", file_limited_to(2, Sigxfsz::ignored), "42", efbig, 1, 0},
    // The bound: the whole line fits, and nothing is lost.
    {"a file limited to 3 bytes", file_limited_to(3, Sigxfsz::by_default), "42\n", "", 0, 0},
    {"a file limited to 3 bytes, SIGXFSZ ignored", file_limited_to(3, Sigxfsz::ignored), "42\n", "", 0, 0},
  };
  // clang-format on
  return cases;
}

class WriteErrors : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteErrors, TheLineArrivesWholeOrItsLossIsReported) {
  const WriteCase& c = GetParam();
  const Outcome o = run(c.how);
  if (o.exit_status == unfiltered) GTEST_SKIP() << "no seccomp here to stall a write";
  EXPECT_EQ(o.out, c.out) << o;
  EXPECT_EQ(o.err, c.err);
  EXPECT_EQ(o.exit_status, c.exit_status) << o;
  EXPECT_EQ(o.signal, c.signal) << o;
  EXPECT_FALSE(o.timed_out) << o;
}

INSTANTIATE_TEST_SUITE_P(Outputs, WriteErrors, ::testing::ValuesIn(write_cases()));

// A rejected argument writes nothing, so there is nothing to fail, wherever
// standard output goes.
TEST(WriteErrors, ARejectedArgumentHasNothingToLose) {
  for (const WriteCase& c : write_cases()) {
    for (const std::string arg : {"x", "42" SP, "9223372036854775808"}) {
      Invocation how = c.how;
      how.argv[1] = arg;
      const Outcome o = run(how);
      if (o.exit_status == unfiltered) continue;
      EXPECT_EQ(o.out, "") << c.where << ", " << escape(arg);
      EXPECT_EQ(o.err, "") << c.where << ", " << escape(arg);
      EXPECT_EQ(o.exit_status, 0) << c.where << ", " << escape(arg) << ": " << o;
    }
  }
}

}  // namespace
}  // namespace u16test

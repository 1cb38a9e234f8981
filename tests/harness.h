// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

// Runs the built u16 as a child process with exact argument bytes and
// captures everything it does, so that tests see the program as a user would.
#pragma once

#include <sys/types.h>

#include <ostream>
#include <string>
#include <vector>

// White-space bytes by name, so that a table row shows each one.  They are
// string literals: SP SP "42" is the argument "  42".
#define SP " "
#define HT "\t"
#define LF "\n"
#define VT "\v"
#define FF "\f"
#define CR "\r"

namespace u16test {

// Whether u16 runs under a user-mode emulator (a cross build's qemu), which
// stands between the test and the program for a few process rules.
#ifdef U16_EMULATOR
inline constexpr bool emulated = true;
#else
inline constexpr bool emulated = false;
#endif

// Where the child's standard output goes.
enum class Output {
  pipe,         // captured
  full,         // /dev/full: every write fails with ENOSPC
  closed,       // descriptor 1 not open: every write fails with EBADF
  broken_pipe,  // a pipe whose reader has already gone
  stalled,      // a pipe on which every write(2) returns 0, writing nothing
  file,         // a new regular file, read back into Outcome::out
};

// The exit status of a child that could not install the filter for
// Output::stalled (seccomp not available here).
inline constexpr int unfiltered = 125;

struct Invocation {
  std::vector<std::string> argv;  // argv[0] included; empty means argc == 0
  std::vector<std::string> env;   // the whole environment; empty by default
  Output output = Output::pipe;
  bool sigpipe_ignored = false;  // as systemd starts services; else the default
  long file_size_limit = -1;     // RLIMIT_FSIZE in bytes, as `ulimit -f` sets; -1: none
  bool sigxfsz_ignored = false;  // else the default, which ends the process
};

struct Outcome {
  std::string out;  // what reached standard output: the pipe's or the file's bytes
  std::string err;
  int exit_status = -1;    // set when the child exited
  int signal = 0;          // set when a signal ended it
  bool timed_out = false;  // the harness ended it: it ran far too long
};

// A child that has been started but not yet collected.  Several can be in
// flight at once; their pipes are close-on-exec so none holds another's open.
struct Child {
  pid_t pid = -1;
  int out_fd = -1;
  int err_fd = -1;
  int file_fd = -1;  // Output::file
};

Child start(const Invocation& inv);
Outcome finish(Child& child);
Outcome run(const Invocation& inv);

// Runs every invocation, up to IN_FLIGHT at once so that both cores are kept
// busy, and returns the outcomes in the same order.
std::vector<Outcome> run_all(const std::vector<Invocation>& invs, size_t in_flight = 8);

// The common case: `u16 ARG` with an empty environment.
Outcome run_u16(const std::string& arg);

// ARG with every byte outside printable ASCII written as \xNN, and quotes
// and backslashes escaped, ready to paste into a C++ string literal.
std::string escape(const std::string& bytes);

std::ostream& operator<<(std::ostream& os, const Outcome& o);

}  // namespace u16test

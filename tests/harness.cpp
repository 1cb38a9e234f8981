// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

#include "harness.h"

#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <deque>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace u16test {
namespace {

[[noreturn]] void fail(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

void check(int rc, const char* what) {
  if (rc != 0) {
    errno = rc;
    fail(what);
  }
}

std::vector<char*> pointers(const std::vector<std::string>& strings) {
  std::vector<char*> p;
  p.reserve(strings.size() + 1);
  for (const auto& s : strings) p.push_back(const_cast<char*>(s.c_str()));
  p.push_back(nullptr);
  return p;
}

#ifdef U16_SANITIZED
// The children get an empty environment, so the sanitizer runtimes' options
// travel with every run: stop at the first report, with a status of its own.
// Leak detection is off: u16 allocates nothing, and the leak check at every
// exit cost about 35 ms a run, most of the whole suite's time, to look for
// what cannot be there.  ASan's and UBSan's checks of every access stay.
const char* const runtime_options[] = {
    "ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:exitcode=99:detect_leaks=0:"
    "detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1",
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=98",
};
#endif

// Makes every write(2) to standard output return 0 without writing: a
// seccomp filter answers it with "error 0", which is a return value of 0.
// The emulator's own write for the program is the one filtered under qemu.
bool stall_standard_output() {
  // The descriptor is a 64-bit argument; its low half comes first in
  // memory on a little-endian machine.
  constexpr auto low = static_cast<unsigned>(offsetof(seccomp_data, args[0])) +
                       (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? 0 : 4);
  constexpr auto high = static_cast<unsigned>(offsetof(seccomp_data, args[0])) +
                        (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? 4 : 0);
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_write, 0, 5),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, low),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, 1, 0, 3),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, high),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, 0, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  const sock_fprog program = {static_cast<unsigned short>(std::size(filter)), filter};
  return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

}  // namespace

Child start(const Invocation& inv) {
  // The harness writes to no pipe itself; the disposition is for children
  // that are to inherit an ignored SIGPIPE.  Once is enough.
  static const bool sigpipe_ignored_here = signal(SIGPIPE, SIG_IGN) != SIG_ERR;
  if (!sigpipe_ignored_here) fail("signal");

  int out[2];
  int err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) fail("pipe2");

  // An unnamed file of its own, which the harness reads back once the child
  // has ended; the child gets it as descriptor 1, without close-on-exec.
  int file = -1;
  if (inv.output == Output::file) {
    file = open(P_tmpdir, O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (file < 0) fail("open " P_tmpdir " O_TMPFILE");
  }

  posix_spawn_file_actions_t fa;
  check(posix_spawn_file_actions_init(&fa), "file actions");
  check(posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0), "stdin");
  switch (inv.output) {
    case Output::pipe:
    case Output::stalled:
      check(posix_spawn_file_actions_adddup2(&fa, out[1], 1), "stdout");
      break;
    case Output::file:
      check(posix_spawn_file_actions_adddup2(&fa, file, 1), "stdout");
      break;
    case Output::full:
      check(posix_spawn_file_actions_addopen(&fa, 1, "/dev/full", O_WRONLY, 0), "stdout");
      break;
    case Output::closed:
      check(posix_spawn_file_actions_addclose(&fa, 1), "stdout");
      break;
    case Output::broken_pipe:
      check(posix_spawn_file_actions_adddup2(&fa, out[1], 1), "stdout");
      close(out[0]);  // the reader is gone before the child starts
      out[0] = -1;
      break;
  }
  check(posix_spawn_file_actions_adddup2(&fa, err[1], 2), "stderr");

  // A blocked signal, or an ignored SIGPIPE, would be inherited across
  // exec; the child sees the defaults a shell would give it unless asked.
  posix_spawnattr_t attr;
  check(posix_spawnattr_init(&attr), "spawn attributes");
  sigset_t none;
  sigset_t pipe_signal;
  sigemptyset(&none);
  sigemptyset(&pipe_signal);
  if (!inv.sigpipe_ignored) sigaddset(&pipe_signal, SIGPIPE);
  check(posix_spawnattr_setsigmask(&attr, &none), "signal mask");
  check(posix_spawnattr_setsigdefault(&attr, &pipe_signal), "signal defaults");
  check(posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF),
        "spawn flags");

#ifdef U16_EMULATOR
  // qemu-user takes the program after its own options and passes every
  // argument after it unchanged; -0 gives the program the argv[0] asked for.
  // It cannot start a program with no argv[0] at all.
  if (inv.argv.empty()) throw std::logic_error("an emulated program cannot have argc == 0");
  const std::vector<std::string> emulator = {U16_EMULATOR};
  const char* const path = emulator[0].c_str();
  std::vector<std::string> args = emulator;
  args.insert(args.end(), {"-0", inv.argv[0], U16_PROGRAM});
  args.insert(args.end(), inv.argv.begin() + 1, inv.argv.end());
  auto argv = pointers(args);
#else
  const char* const path = U16_PROGRAM;
  auto argv = pointers(inv.argv);
#endif
  auto envp = pointers(inv.env);
#ifdef U16_SANITIZED
  envp.pop_back();
  for (const char* option : runtime_options) envp.push_back(const_cast<char*>(option));
  envp.push_back(nullptr);
#endif
  Child child;
  if (inv.output == Output::stalled || inv.file_size_limit >= 0) {
    // posix_spawn can neither install a filter nor set a limit; the child
    // does both itself, just before exec, with nothing but system calls
    // after the fork.
    child.pid = fork();
    if (child.pid < 0) fail("fork");
    if (child.pid == 0) {
      sigprocmask(SIG_SETMASK, &none, nullptr);
      signal(SIGPIPE, inv.sigpipe_ignored ? SIG_IGN : SIG_DFL);
      signal(SIGXFSZ, inv.sigxfsz_ignored ? SIG_IGN : SIG_DFL);
      const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
      const int to = inv.output == Output::file ? file : out[1];
      if (in < 0 || dup2(in, 0) < 0 || dup2(to, 1) < 0 || dup2(err[1], 2) < 0) _exit(126);
      if (inv.file_size_limit >= 0) {
        // No core file either, which SIGXFSZ would otherwise leave behind.
        const auto limit = static_cast<rlim_t>(inv.file_size_limit);
        const rlimit fsize = {limit, limit};
        const rlimit core = {0, 0};
        if (setrlimit(RLIMIT_FSIZE, &fsize) != 0 || setrlimit(RLIMIT_CORE, &core) != 0) _exit(126);
      }
      if (inv.output == Output::stalled && !stall_standard_output()) _exit(unfiltered);
      execve(path, argv.data(), envp.data());
      _exit(127);
    }
  } else {
    check(posix_spawn(&child.pid, path, &fa, &attr, argv.data(), envp.data()),
          "posix_spawn " U16_PROGRAM);
  }
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&fa);

  close(out[1]);
  close(err[1]);
  child.out_fd = out[0];
  child.err_fd = err[0];
  child.file_fd = file;
  return child;
}

Outcome finish(Child& child) {
  Outcome o;
  struct pollfd fds[2] = {{child.out_fd, POLLIN, 0}, {child.err_fd, POLLIN, 0}};
  std::string* sinks[2] = {&o.out, &o.err};
  // A child that never ends (a write loop that makes no progress) is ended
  // after a time no run comes near, even under an emulator, so that a fault
  // fails its test instead of hanging the suite.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  // Read both streams together: a child stuck on a full stderr pipe would
  // otherwise never close its stdout.
  while (fds[0].fd >= 0 || fds[1].fd >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    const int ready =
        poll(fds, 2, o.timed_out ? -1 : static_cast<int>(std::max<long long>(left.count(), 0)));
    if (ready < 0) {
      if (errno == EINTR) continue;
      fail("poll");
    }
    if (ready == 0) {
      kill(child.pid, SIGKILL);
      o.timed_out = true;
      continue;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buf[4096];
      const ssize_t n = read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        sinks[i]->append(buf, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
      }
    }
  }
  child.out_fd = child.err_fd = -1;

  int status = 0;
  while (waitpid(child.pid, &status, 0) < 0) {
    if (errno != EINTR) fail("waitpid");
  }
  if (WIFEXITED(status)) o.exit_status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) o.signal = WTERMSIG(status);

  if (child.file_fd >= 0) {
    char buf[4096];
    for (;;) {
      const ssize_t n = pread(child.file_fd, buf, sizeof buf, static_cast<off_t>(o.out.size()));
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        fail("pread");
      }
      o.out.append(buf, static_cast<size_t>(n));
    }
    close(child.file_fd);
    child.file_fd = -1;
  }
  return o;
}

Outcome run(const Invocation& inv) {
  Child child = start(inv);
  return finish(child);
}

std::vector<Outcome> run_all(const std::vector<Invocation>& invs, size_t in_flight) {
  std::vector<Outcome> outcomes(invs.size());
  std::deque<std::pair<size_t, Child>> running;
  size_t next = 0;
  while (next < invs.size() || !running.empty()) {
    while (next < invs.size() && running.size() < in_flight) {
      running.emplace_back(next, start(invs[next]));
      ++next;
    }
    outcomes[running.front().first] = finish(running.front().second);
    running.pop_front();
  }
  return outcomes;
}

Outcome run_u16(const std::string& arg) { return run(Invocation{{"u16", arg}, {}, Output::pipe}); }

std::string escape(const std::string& bytes) {
  std::string s = "\"";
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '"' || c == '\\') {
      s += '\\';
      s += bytes[i];
    } else if (c > 0x20 && c < 0x7f) {
      s += bytes[i];
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      s += hex;
      // A hex escape swallows every hex digit after it: close the literal
      // so the next byte stays a byte of its own.
      if (i + 1 < bytes.size() && std::isxdigit(static_cast<unsigned char>(bytes[i + 1])) != 0) {
        s += "\" \"";
      }
    }
  }
  return s + '"';
}

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
  os << "stdout " << escape(o.out) << ", stderr " << escape(o.err);
  if (o.timed_out) os << ", ended after the harness's time limit";
  if (o.signal != 0) return os << ", killed by signal " << o.signal;
  return os << ", exit status " << o.exit_status;
}

}  // namespace u16test

// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

// Interleaved start-up timing: runs each command once per round, in turn
// with the floor, so that both see the same machine at the same moment, and
// reports the median over rounds of each command's time divided by the
// floor's in that round.  hyperfine runs one command's batch after another,
// which lets drift in the machine's speed show up as a difference.
//
// usage: pairs ROUNDS FLOOR -- CMD ARGS... [-- CMD ARGS...]...
// Prints one line a command: median ratio, median microseconds, peak RSS KiB.
// FLOOR itself may stand among the commands, for its peak RSS.
//
// Peak RSS is read from the kernel's high-water mark of the program's own
// address space at its exit (under ptrace).  The ru_maxrss of wait4 would not
// do: it also counts the memory of the process that called exec, which for a
// spawned child is this program's.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

double run_once(std::vector<char*>& argv) {
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
  timespec t0{};
  timespec t1{};
  clock_gettime(CLOCK_MONOTONIC, &t0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "pairs: cannot run %s\n", argv[0]);
    std::exit(2);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  clock_gettime(CLOCK_MONOTONIC, &t1);
  posix_spawn_file_actions_destroy(&fa);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "pairs: %s failed\n", argv[0]);
    std::exit(2);
  }
  return double(t1.tv_sec - t0.tv_sec) + double(t1.tv_nsec - t0.tv_nsec) / 1e9;
}

// VmHWM of the program, in KiB, read when it is about to exit.
long peak_rss_kib(std::vector<char*>& argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);  // stopped at exec
  ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_TRACEEXEC);
  // Go on past any further exec (a wrapper script, say) until the last
  // program is about to exit, with its address space still there.
  for (;;) {
    ptrace(PTRACE_CONT, pid, nullptr, nullptr);
    waitpid(pid, &status, 0);
    if (!WIFSTOPPED(status) || status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) break;
  }
  long kib = -1;
  const std::string path = "/proc/" + std::to_string(pid) + "/status";
  if (FILE* f = std::fopen(path.c_str(), "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, f) != nullptr) {
      if (std::sscanf(line, "VmHWM: %ld", &kib) == 1) break;
    }
    std::fclose(f);
  }
  ptrace(PTRACE_CONT, pid, nullptr, nullptr);
  waitpid(pid, &status, 0);
  return kib;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
    std::fprintf(stderr, "usage: pairs ROUNDS FLOOR -- CMD ARGS... [-- CMD ARGS...]...\n");
    return 2;
  }
  const long rounds = std::strtol(argv[1], nullptr, 10);
  std::vector<char*> floor_argv = {argv[2], nullptr};
  std::vector<std::vector<char*>> commands;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      commands.emplace_back();
    } else {
      commands.back().push_back(argv[i]);
    }
  }
  for (auto& c : commands) c.push_back(nullptr);

  std::vector<std::vector<double>> ratios(commands.size());
  std::vector<std::vector<double>> times(commands.size());
  for (long r = 0; r < rounds; ++r) {
    for (size_t c = 0; c < commands.size(); ++c) {
      // The floor against itself is 1 by definition; measured, it would
      // only show which of two identical runs had the warmer caches.
      if (commands[c].size() == 2 && std::strcmp(commands[c][0], argv[2]) == 0) {
        ratios[c].push_back(1);
        times[c].push_back(0);
        continue;
      }
      // Alternate which of the pair goes first, so neither always follows
      // the other's warm caches.
      double floor_time = 0;
      double cmd = 0;
      if (r % 2 == 0) {
        floor_time = run_once(floor_argv);
        cmd = run_once(commands[c]);
      } else {
        cmd = run_once(commands[c]);
        floor_time = run_once(floor_argv);
      }
      ratios[c].push_back(cmd / floor_time);
      times[c].push_back(cmd);
    }
  }
  for (size_t c = 0; c < commands.size(); ++c) {
    std::string name;
    for (char** a = commands[c].data(); *a != nullptr; ++a)
      name += (name.empty() ? "" : " ") + std::string(*a);
    std::printf("%.3f\t%.1f\t%ld\t%s\n", median(ratios[c]), median(times[c]) * 1e6,
                peak_rss_kib(commands[c]), name.c_str());
  }
  return 0;
}

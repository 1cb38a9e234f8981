// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

// The floor for start-up cost: a static program with no C library at all
// that does only what u16 must do for `u16 42`: exec, one write(2), exit.
// Nothing can start and print faster, so u16 is measured against it.

extern "C" [[noreturn]] void _start() {
  static const char line[] = "42\n";
  long rc = 0;
  asm volatile("syscall"
               : "=a"(rc)
               : "a"(1L), "D"(1L), "S"(line), "d"(sizeof line - 1)
               : "rcx", "r11", "memory");
  asm volatile("syscall" : : "a"(60L), "D"(0L) : "rcx", "r11", "memory");
  __builtin_unreachable();
}

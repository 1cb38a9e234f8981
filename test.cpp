/*
 * SPDX-FileCopyrightText: 2026 the u16 developers
 * SPDX-License-Identifier: MIT
 *
 * u16 - print a decimal argument reduced to an unsigned 16-bit value
 *
 * The argument is accepted when it is optional leading white space, an
 * optional sign and decimal digits whose value fits in signed 64 bits; the
 * empty argument counts as 0.  Anything else prints nothing.  Either way the
 * exit status is 0, unless the line could not be written (1) or no argument
 * was given (2).
 *
 * The conversion and the formatting are done here rather than by strtol and
 * printf: C libraries differ on an argument without digits, and nearly all
 * of a run is the process starting, which grows with every page of stdio
 * that has to be mapped in.
 */

#include <errno.h>
#include <stdint.h>
#include <string.h>
#include <sys/uio.h>
#include <unistd.h>

int main(int argc, char *argv[]) {
  /*
   * With argc == 0 the slot after argv[0] is not an argument but the
   * first environment string, so argv[1] must not be read.
   */
  if (argc < 2) {
    static const char usage[] = "usage: u16 NUMBER\n";
    /* A usage message that cannot be written has nowhere else to go;
       status 2 still tells what went wrong. */
    [[maybe_unused]] const ssize_t told = write(2, usage, sizeof usage - 1);
    return 2;
  }

  /* White space as in the POSIX locale: space, \t \n \v \f \r, no others. */
  const char *s = argv[1];
  while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
  const bool negative = *s == '-';
  if (*s == '+' || *s == '-') ++s;

  /* The magnitude may reach 2^63 only when the sign makes it INT64_MIN. */
  const uint64_t limit = negative ? UINT64_C(1) << 63 : (UINT64_C(1) << 63) - 1;
  uint64_t magnitude = 0;
  const char *digits = s;
  for (; *s >= '0' && *s <= '9'; ++s) {
    const auto digit = static_cast<uint64_t>(*s - '0');
    if (magnitude > (limit - digit) / 10) return 0; /* outside signed 64 bits */
    magnitude = magnitude * 10 + digit;
  }
  /* Without digits only the empty argument is a number. */
  if (*s != '\0' || (s == digits && argv[1][0] != '\0')) return 0;

  /* The low 16 bits of the two's complement value: the value modulo 65536. */
  unsigned value = static_cast<uint16_t>(negative ? 0 - magnitude : magnitude);
  char line[6]; /* five digits at most, then the line feed */
  char *p = line + sizeof line;
  *--p = '\n';
  do {
    *--p = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);

  /* A line that was not written must not end in status 0.  A write that
     takes no byte of a non-empty line would take none the next time either. */
  for (auto left = static_cast<size_t>(line + sizeof line - p); left > 0;) {
    const ssize_t written = write(1, p, left);
    if (written <= 0) {
      static const char prefix[] = "u16: write error: ";
      const char *reason = written < 0 ? strerror(errno) : "nothing was written";
      struct iovec message[] = {
          {const_cast<char *>(prefix), sizeof prefix - 1},
          {const_cast<char *>(reason), strlen(reason)},
          {const_cast<char *>("\n"), 1},
      };
      /* Likewise: status 1 tells of the lost line if this is lost too. */
      [[maybe_unused]] const ssize_t told = writev(2, message, 3);
      return 1;
    }
    p += written;
    left -= static_cast<size_t>(written);
  }
  return 0;
}

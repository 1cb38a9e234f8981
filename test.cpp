/*
 * u16 - print a decimal argument reduced to an unsigned 16-bit value
 *
 * The argument is accepted when it is optional leading white space, an
 * optional sign and decimal digits whose value fits in signed 64 bits; the
 * empty argument counts as 0.  Anything else prints nothing.  Either way the
 * exit status is 0, unless the line could not be written (1) or no argument
 * was given (2).
 */

#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char *argv[]) {
  /*
   * With argc == 0 the slot after argv[0] is not an argument but the
   * first environment string, so argv[1] must not be read.
   */
  if (argc < 2) {
    fputs("usage: u16 NUMBER\n", stderr);
    return 2;
  }

  char *end = nullptr;
  errno = 0;
  const long value = strtol(argv[1], &end, 10);
  const auto narrowed = static_cast<uint16_t>(value);
  /* ERANGE is the only error base 10 can give: outside signed 64 bits. */
  if (errno != 0 || *end != '\0') return 0;

  /*
   * Standard output is buffered, so the write usually happens only at the
   * close; a line lost there must not end in status 0.
   */
  if (printf("%d\n", narrowed) < 0 || fclose(stdout) != 0) {
    fprintf(stderr, "u16: write error: %s\n", strerror(errno));
    return 1;
  }
  return 0;
}

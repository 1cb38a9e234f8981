// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

#include "model.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace u16test {

std::string model_output(std::string_view arg) {
  // The empty argument is the one form without digits that is accepted.
  if (arg.empty()) return "0\n";

  const std::string_view white_space = " \t\n\v\f\r";
  size_t i = 0;
  while (i < arg.size() && white_space.find(arg[i]) != std::string_view::npos) ++i;

  bool negative = false;
  if (i < arg.size() && (arg[i] == '+' || arg[i] == '-')) {
    negative = arg[i] == '-';
    ++i;
  }

  std::string_view digits = arg.substr(i);
  const size_t end = digits.find_first_not_of("0123456789");
  if (digits.empty() || end == 0 || end != std::string_view::npos) return "";

  // In range when, leading zeros aside, it has fewer digits than the bound,
  // or as many and is not greater: the same order as for strings.
  digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
  const std::string_view bound = negative ? "9223372036854775808" : "9223372036854775807";
  if (digits.size() > bound.size() || (digits.size() == bound.size() && digits > bound)) return "";

  // The remainder digit by digit, so no 64-bit arithmetic is involved.
  unsigned remainder = 0;
  for (const char c : digits) remainder = (remainder * 10 + unsigned(c - '0')) % 65536;
  if (negative) remainder = (65536 - remainder) % 65536;
  return std::to_string(remainder) + "\n";
}

}  // namespace u16test

// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

// An independent statement of what u16 must print for an argument, written
// from the rule itself rather than from the C library, so that the two can
// be compared on inputs nobody picked by hand.
#pragma once

#include <string>
#include <string_view>

namespace u16test {

// The exact bytes u16 must write to standard output for ARG: "N\n" when it
// is accepted, "" when it is rejected.
std::string model_output(std::string_view arg);

}  // namespace u16test

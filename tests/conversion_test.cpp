// SPDX-FileCopyrightText: 2026 the u16 developers
// SPDX-License-Identifier: MIT

// What u16 prints for one argument.  Each row is one run of `u16 ARG`; every
// run must print exactly the expected bytes, nothing on stderr, and exit 0,
// whether the argument is accepted or not.  The model must agree on each.

#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "model.h"

namespace u16test {
namespace {

// Standard output of a rejected argument.
const char* const nothing = "";

struct Case {
  std::string arg;
  std::string out;
};

void PrintTo(const Case& c, std::ostream* os) { *os << escape(c.arg) << " -> " << escape(c.out); }

std::string zeros(size_t n) { return std::string(n, '0'); }

class Conversion : public ::testing::TestWithParam<Case> {};

// Each row checks the program, and the model of the rule that the
// differential group compares it with, so the model is held to the same
// hand-worked answers.
TEST_P(Conversion, PrintsExactlyTheNarrowedValueAndExitsZero) {
  const Case& c = GetParam();
  EXPECT_EQ(model_output(c.arg), c.out) << "the model, for argument " << escape(c.arg);
  const Outcome o = run_u16(c.arg);
  EXPECT_EQ(o.out, c.out) << "argument " << escape(c.arg);
  EXPECT_EQ(o.err, "") << "argument " << escape(c.arg);
  EXPECT_EQ(o.exit_status, 0) << o;
  EXPECT_EQ(o.signal, 0) << o;
}

// The tables below are laid out by hand, one row a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(AcceptedForms, Conversion, ::testing::Values(
    Case{"42", "42\n"},
    Case{"0", "0\n"},
    Case{"7", "7\n"},
    Case{"007", "7\n"},
    Case{"000", "0\n"},
    Case{"10", "10\n"},
    Case{"12345", "12345\n"},
    Case{"32767", "32767\n"},
    Case{"65535", "65535\n"},
    Case{zeros(25) + "42", "42\n"}));

// Exactly six bytes count as white space, and only before the number.
INSTANTIATE_TEST_SUITE_P(WhiteSpace, Conversion, ::testing::Values(
    Case{SP "42", "42\n"},
    Case{SP SP "42", "42\n"},
    Case{HT "42", "42\n"},
    Case{LF "42", "42\n"},
    Case{VT "7", "7\n"},
    Case{FF "7", "7\n"},
    Case{CR "7", "7\n"},
    Case{SP HT LF VT FF CR "7", "7\n"},
    Case{CR LF SP "-5", "65531\n"},
    Case{"\x1C" "42", nothing},
    Case{"\x1D" "42", nothing},
    Case{"\x1E" "42", nothing},
    Case{"\x1F" "42", nothing},
    Case{"\x85" "42", nothing},
    Case{"\xA0" "42", nothing},
    Case{"\x08" "42", nothing},
    Case{"\x0E" "42", nothing},
    Case{"\xC2\xA0" "42", nothing},
    Case{SP "\xA0" "42", nothing},
    Case{SP, nothing},
    Case{SP HT LF VT FF CR, nothing}));

// One sign, directly before the digits.
INSTANTIATE_TEST_SUITE_P(Signs, Conversion, ::testing::Values(
    Case{"+42", "42\n"},
    Case{"-42", "65494\n"},
    Case{"-0", "0\n"},
    Case{"+0", "0\n"},
    Case{"-007", "65529\n"},
    Case{SP "-5", "65531\n"},
    Case{HT "+9", "9\n"},
    Case{"+", nothing},
    Case{"-", nothing},
    Case{"+-1", nothing},
    Case{"-+1", nothing},
    Case{"--1", nothing},
    Case{"++1", nothing},
    Case{"-" SP "5", nothing},
    Case{"+" HT "5", nothing},
    Case{"1-", nothing},
    Case{"\xE2\x88\x92" "1", nothing}));  // U+2212 MINUS SIGN

// The range is signed 64 bits; zero padding changes nothing about it.
INSTANTIATE_TEST_SUITE_P(Bounds, Conversion, ::testing::Values(
    Case{"9223372036854775807", "65535\n"},
    Case{"9223372036854775806", "65534\n"},
    Case{"-9223372036854775808", "0\n"},
    Case{"-9223372036854775807", "1\n"},
    Case{"+9223372036854775807", "65535\n"},
    Case{"9223372036854775808", nothing},
    Case{"-9223372036854775809", nothing},
    Case{"18446744073709551615", nothing},
    Case{"18446744073709551616", nothing},
    Case{"-18446744073709551616", nothing},
    Case{"10000000000000000000", nothing},
    Case{"99999999999999999999", nothing},
    Case{std::string(101, '9'), nothing},
    Case{zeros(27) + "9223372036854775807", "65535\n"},
    Case{std::string("-") + zeros(24) + "9223372036854775808", "0\n"},
    Case{zeros(40) + "9223372036854775808", nothing},
    Case{std::string("-") + zeros(40) + "9223372036854775809", nothing},
    Case{SP "9223372036854775808", nothing},
    Case{"9223372036854775808" SP, nothing}));

// The printed value is the argument modulo 65536, never negative.
INSTANTIATE_TEST_SUITE_P(Wrapping, Conversion, ::testing::Values(
    Case{"65536", "0\n"},
    Case{"+65536", "0\n"},
    Case{"65537", "1\n"},
    Case{"70000", "4464\n"},
    Case{"123456", "57920\n"},
    Case{"131071", "65535\n"},
    Case{"131072", "0\n"},
    Case{"4294967296", "0\n"},
    Case{"4294967297", "1\n"},
    Case{"1000000000000", "4096\n"},
    Case{"-1", "65535\n"},
    Case{"-2", "65534\n"},
    Case{"-32768", "32768\n"},
    Case{"-32769", "32767\n"},
    Case{"-65535", "1\n"},
    Case{"-65536", "0\n"},
    Case{"-65537", "65535\n"},
    Case{"-4294967296", "0\n"}));

// Anything after the digits rejects the argument.
INSTANTIATE_TEST_SUITE_P(TrailingBytes, Conversion, ::testing::Values(
    Case{"42" SP, nothing},
    Case{"42" LF, nothing},
    Case{"42" HT, nothing},
    Case{"42" CR LF, nothing},
    Case{"4" SP "2", nothing},
    Case{"0x10", nothing},
    Case{"0x", nothing},
    Case{"1.5", nothing},
    Case{"1.", nothing},
    Case{"1e3", nothing},
    Case{"12abc", nothing},
    Case{"1,000", nothing},
    Case{"1_000", nothing},
    Case{"1'000", nothing},
    Case{"42+", nothing},
    Case{"42\x85", nothing},
    Case{"42\xFF", nothing},
    Case{"42\x01", nothing}));

// Without a digit there is no number; only the empty argument counts as 0.
INSTANTIATE_TEST_SUITE_P(NoDigits, Conversion, ::testing::Values(
    Case{"", "0\n"},
    Case{SP, nothing},
    Case{LF, nothing},
    Case{"+", nothing},
    Case{"-", nothing},
    Case{"-" SP, nothing},
    Case{"+-", nothing},
    Case{"x", nothing},
    Case{"x42", nothing},
    Case{".5", nothing},
    Case{"\x01", nothing},
    Case{"\xFF", nothing}));

// Each comparison in the scan, for white space, sign and digit, has a byte
// on either side of its bound; a range widened or narrowed by one byte at
// either end must fail one of these rows.  The inner sides are accepted.
INSTANTIATE_TEST_SUITE_P(BytesBesideEachBound, Conversion, ::testing::Values(
    Case{"\x08" "7", nothing},   // below HT
    Case{HT "7", "7\n"},
    Case{CR "7", "7\n"},
    Case{"\x0E" "7", nothing},   // above CR
    Case{"\x1F" "7", nothing},   // below SP
    Case{SP "7", "7\n"},
    Case{"!7", nothing},         // above SP
    Case{"*7", nothing},         // below +
    Case{"+7", "7\n"},
    Case{",7", nothing},         // between + and -
    Case{"-7", "65529\n"},
    Case{".7", nothing},         // above -
    Case{"/", nothing},          // below 0
    Case{"/7", nothing},
    Case{"7/", nothing},
    Case{"-/", nothing},
    Case{"0", "0\n"},
    Case{"9", "9\n"},
    Case{":", nothing},          // above 9
    Case{":7", nothing},
    Case{"7:", nothing},
    Case{"+:", nothing}));
// clang-format on

}  // namespace
}  // namespace u16test

// The number rules shared by every entry check, calculation, file and report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace standwise {

/// The value of a text that is a number as a whole: optional blanks, an optional sign (blanks may
/// follow it), digits with an optional fraction and exponent, optional trailing blanks. No thousands
/// separators. Empty when the text is anything else, or when its value does not fit a double.
std::optional<double> parse_number(std::string_view text);

/// The number that a text starts with, leading blanks skipped; 0 when it does not start with one.
/// Whatever follows the number is ignored ("12mA" gives 12).
double text_value(std::string_view text);

/// The device-file reading of a number: like text_value, but blanks and tabs inside the number are
/// skipped as well, so "1 000" reads as 1000.
double device_line_value(std::string_view text);

/// A device-file line read strictly: the number as device_line_value reads it, but only when nothing
/// but blanks and tabs follows it. Empty for "3OO", "4,200", "25O", "4000abc", "abc" or an empty line,
/// which a typing slip makes and which must not pass as some other current.
std::optional<double> device_line_number(std::string_view text);

/// Whether a device-file line reads as a finite number: false when it starts (after blanks and a
/// sign) with an infinity or NaN word ("inf", "NaN") or with digits too large for a double, such
/// as 1e999. A line that starts with no number reads as 0, which is finite.
bool device_line_finite(std::string_view text);

/// Rounds to the nearest whole number, exact halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double round_half_even(double value);

/// A number as a signed 16-bit count: rounded half to even; empty when it lies outside -32768..32767.
std::optional<std::int16_t> to_count(double value);

/// The plain number form with a sign position: " 27", " .5", "-.5", " 0"; at most 15 significant
/// digits and no trailing zeros. Also the form of numbers built into messages and titles (" 3").
/// Empty for a value that is not finite, as is plain_number.
std::string str_number(double value);

/// The plain number form without blanks: "27", "0.5", "-0.5", "0"; at most 15 significant digits.
std::string plain_number(double value);

/// Formats a value with a display pattern of zeros and at most one point: "000.00", "0000.0",
/// "0.000", "00.00", "0.0000". Rounds half away from zero, as on paper, applied to the value as
/// written with 15 significant digits, so 2.675 with "0.00" gives "2.68". Empty for a value that is
/// not finite or reaches 1e15, which no display form can hold.
std::string format_fixed(double value, std::string_view pattern);

/// A current in amperes as the system and interface totals show it: "0.000" followed by "A" (0.045
/// gives "0.045A").
std::string amps_text(double amps);

/// Hours and minutes of a non-negative number of hours: whole hours, ":", minutes rounded down
/// with two digits ("37:22", "5:07"). "0:00", as for no standby time at all, when the hours are
/// negative, not finite or 1e15 and more.
std::string hours_minutes(double hours);

}  // namespace standwise

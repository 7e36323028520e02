#include "model/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace standwise {
namespace {

// Beyond 15 significant digits a figure is no longer one the display forms can write exactly.
constexpr double kLargestFigure = 1e15;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the number that starts at `pos` (after any leading blanks) into a compact form that
// from_chars understands. With `inner_blanks`, blanks between the pieces of the number are skipped.
struct Scanned {
    std::optional<double> value;
    std::size_t end = 0;
    bool not_finite = false;  // an infinity or NaN word, or digits too large for a double
};

bool starts_with_word(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if ((text[i] | 0x20) != word[i]) return false;
    return true;
}

// Whether a number that from_chars found out of range is too large rather than too small: the
// power of ten of its first significant digit is positive.
bool beyond_largest(std::string_view compact) {
    if (!compact.empty() && compact[0] == '-') compact.remove_prefix(1);
    const std::size_t e = compact.find('e');
    const std::string_view mantissa = compact.substr(0, e);
    long long exponent = 0;
    bool negative_exponent = false;
    if (e != std::string_view::npos) {
        std::size_t k = e + 1;
        if (k < compact.size() && (compact[k] == '+' || compact[k] == '-'))
            negative_exponent = compact[k++] == '-';
        for (; k < compact.size(); ++k)
            exponent = std::min(exponent * 10 + (compact[k] - '0'), 1000000000LL);
    }
    if (negative_exponent) exponent = -exponent;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long position = static_cast<long long>(point) - 1;  // power of ten of the digit at index 0
    for (char c : mantissa) {
        if (c == '.') continue;
        if (c != '0') return position + exponent > 0;
        --position;
    }
    return false;
}

Scanned scan_number(std::string_view text, bool inner_blanks) {
    std::size_t i = 0;
    auto skip = [&](bool allowed) {
        while (allowed && i < text.size() && is_blank(text[i]))
            ++i;
    };
    skip(true);
    std::string compact;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') compact += '-';
        ++i;
        skip(true);
    }
    if (starts_with_word(text.substr(i), "inf") || starts_with_word(text.substr(i), "nan"))
        return {std::nullopt, i, true};
    bool any_digit = false;
    auto take_digits = [&] {
        for (;;) {
            std::size_t at = i;
            skip(inner_blanks);
            if (i < text.size() && is_digit(text[i])) {
                compact += text[i++];
                any_digit = true;
            } else {
                i = at;
                return;
            }
        }
    };
    take_digits();
    {
        std::size_t at = i;
        skip(inner_blanks);
        if (i < text.size() && text[i] == '.') {
            compact += text[i++];
            take_digits();
        } else {
            i = at;
        }
    }
    if (!any_digit) return {};
    std::size_t mantissa_end = i;
    {
        // An exponent counts only when digits follow it.
        std::size_t at = i;
        skip(inner_blanks);
        std::string exponent;
        if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
            exponent += 'e';
            ++i;
            skip(inner_blanks);
            if (i < text.size() && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
            bool exp_digit = false;
            for (;;) {
                std::size_t before = i;
                skip(inner_blanks);
                if (i < text.size() && is_digit(text[i])) {
                    exponent += text[i++];
                    exp_digit = true;
                } else {
                    i = before;
                    break;
                }
            }
            if (exp_digit) {
                compact += exponent;
            } else {
                i = at;
            }
        } else {
            i = at;
        }
        if (i < mantissa_end) i = mantissa_end;
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(compact.data(), compact.data() + compact.size(), value);
    if (ec == std::errc::result_out_of_range) return {std::nullopt, i, beyond_largest(compact)};
    if (ec != std::errc() || ptr != compact.data() + compact.size() || !std::isfinite(value)) return {};
    return {value, i};
}

// The value as written with 15 significant digits: digits d0 d1 ... d14 and the power of ten of d0.
struct Decimal15 {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal15 to_decimal15(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal15 d;
    d.negative = std::signbit(value) && value != 0;
    std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (is_digit(c)) d.digits += c;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    d.exponent);
    return d;
}

std::string general15(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) value = 0;  // no "-0"
    char buffer[64];
    // Whole numbers of up to 15 digits (counts, loop numbers) are written as they are, much faster.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        return std::string(buffer, result.ptr);
    }
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == 'e') c = 'E';
    return text;
}

// The rounded digits without leading zeros (empty for zero) straight from the value, when it lies
// clearly away from a rounding tie: rounding its 15-digit form then gives the same digits. Values
// near a tie, very large values and non-finite ones are left to the exact 15-digit path.
bool fast_rounded_digits(double value, int decimals, bool& negative, std::string& digits) {
    if (!std::isfinite(value) || decimals > 15) return false;
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scaled = std::fabs(value) * kPowers[decimals];
    if (!(scaled < 1e15)) return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    // The 15-digit form lies within 5e-15 of the value relative to it; the product adds one rounding.
    const double margin = 1e-14 * scaled + 1e-300;
    if (std::fabs(fraction - 0.5) <= margin) return false;
    const auto rounded = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    negative = value < 0;
    digits.clear();
    if (rounded == 0) return true;
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded);
    digits.assign(buffer, result.ptr);
    return true;
}

}  // namespace

std::optional<double> parse_number(std::string_view text) {
    Scanned s = scan_number(text, false);
    if (!s.value) return std::nullopt;
    for (std::size_t i = s.end; i < text.size(); ++i)
        if (!is_blank(text[i])) return std::nullopt;
    return s.value;
}

double text_value(std::string_view text) {
    return scan_number(text, false).value.value_or(0.0);
}

double device_line_value(std::string_view text) {
    return scan_number(text, true).value.value_or(0.0);
}

std::optional<double> device_line_number(std::string_view text) {
    Scanned s = scan_number(text, true);
    if (!s.value) return std::nullopt;
    for (std::size_t i = s.end; i < text.size(); ++i)
        if (!is_blank(text[i])) return std::nullopt;
    return s.value;
}

bool device_line_finite(std::string_view text) {
    return !scan_number(text, true).not_finite;
}

double round_half_even(double value) {
    return std::nearbyint(value);
}

std::optional<std::int16_t> to_count(double value) {
    double r = round_half_even(value);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::string str_number(double value) {
    std::string text = general15(value);
    if (text.empty()) return text;
    bool negative = text[0] == '-';
    std::string body = negative ? text.substr(1) : text;
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.erase(0, 1);
    return (negative ? "-" : " ") + body;
}

std::string plain_number(double value) {
    return general15(value);
}

std::string format_fixed(double value, std::string_view pattern) {
    if (!(std::fabs(value) < kLargestFigure)) return {};
    std::size_t point = pattern.find('.');
    int int_digits = static_cast<int>(point == std::string_view::npos ? pattern.size() : point);
    int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);

    // Digits of round(|value| * 10^decimals), half away from zero on the 15-digit form.
    bool negative = false;
    std::string n;
    if (!fast_rounded_digits(value, decimals, negative, n)) {
        Decimal15 d = to_decimal15(value);
        negative = d.negative;
        int keep = d.exponent + 1 + decimals;
        if (keep >= static_cast<int>(d.digits.size())) {
            n = d.digits + std::string(static_cast<std::size_t>(keep) - d.digits.size(), '0');
        } else if (keep >= 0) {
            n = d.digits.substr(0, static_cast<std::size_t>(keep));
            if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
                int i = static_cast<int>(n.size()) - 1;
                while (i >= 0 && n[static_cast<std::size_t>(i)] == '9')
                    n[static_cast<std::size_t>(i--)] = '0';
                if (i < 0)
                    n.insert(n.begin(), '1');
                else
                    ++n[static_cast<std::size_t>(i)];
            }
        }
        std::size_t first = n.find_first_not_of('0');
        n = first == std::string::npos ? std::string() : n.substr(first);
    }
    bool zero = n.empty();
    std::size_t width = static_cast<std::size_t>(std::max(int_digits, 1) + decimals);
    if (n.size() < width) n.insert(0, width - n.size(), '0');
    std::size_t whole = n.size() - static_cast<std::size_t>(decimals);
    std::string out;
    out.reserve(n.size() + 2);
    if (negative && !zero) out += '-';
    if (!(int_digits == 0 && whole == 1 && n[0] == '0')) out.append(n, 0, whole);
    if (decimals > 0) {
        out += '.';
        out.append(n, whole, std::string::npos);
    }
    return out;
}

std::string amps_text(double amps) {
    return format_fixed(amps, "0.000") + "A";
}

std::string hours_minutes(double hours) {
    if (!(hours >= 0 && hours < kLargestFigure)) return "0:00";
    double whole = std::floor(hours);
    long long minutes = static_cast<long long>(std::floor((hours - whole) * 60));
    return std::to_string(static_cast<long long>(whole)) + ":" + (minutes < 10 ? "0" : "") +
           std::to_string(minutes);
}

}  // namespace standwise

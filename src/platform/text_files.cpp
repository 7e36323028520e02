#include "platform/text_files.h"

#include <algorithm>

#include "platform/file_io.h"

namespace standwise {
namespace {

bool valid_utf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || (extra == 1 && c < 0xC2) || i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr unsigned kCp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

}  // namespace

void append_utf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string decode_text(const std::string& raw) {
    const std::string bytes = raw.rfind("\xEF\xBB\xBF", 0) == 0 ? raw.substr(3) : raw;
    if (valid_utf8(bytes)) return bytes;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        append_utf8(out, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
    }
    return out;
}

std::string replace_line_breaks(std::string_view text, std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += replacement;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> split_lines(const std::string& text) {
    const std::string unified = replace_line_breaks(text, "\n");
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < unified.size()) {
        const std::size_t end = std::min(unified.find('\n', start), unified.size());
        lines.push_back(unified.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TextLines read_text_file(const std::string& path) {
    FileBytes file = read_input_file(path);
    TextLines result;
    result.outcome = file.outcome;
    result.reason = std::move(file.reason);
    if (result.read()) result.lines = split_lines(decode_text(file.bytes));
    return result;
}

std::optional<std::vector<std::string>> read_text_lines(const std::string& path) {
    TextLines read = read_text_file(path);
    if (!read.read()) return std::nullopt;
    return std::move(read.lines);
}

std::string crlf_text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::optional<std::string> write_text_lines(const std::string& path, const std::vector<std::string>& lines) {
    return write_file_atomically(path, crlf_text(lines));
}

std::string write_failure_message(const std::string& path, const std::string& reason) {
    return "The file " + path + " could not be written." + "\r\n" + reason;
}

}  // namespace standwise

#include "model/quoted_text.h"

#include <algorithm>

namespace standwise {
namespace {

// A C0 control (NUL to US, a tab among them) or DEL: one byte.
bool c0_control(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// A C1 control is U+0080 to U+009F: the bytes C2 80 to C2 9F.
bool c1_control_at(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) >= 0x80 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

}  // namespace

bool holds_control_character(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c0_control(c)) return true;
        if (c1_control_at(text, i)) return true;
    }
    return false;
}

std::string without_control_characters(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\t') {
            kept += ' ';
        } else if (c1_control_at(text, i)) {
            ++i;
        } else if (!c0_control(c)) {
            kept += text[i];
        }
    }
    return kept;
}

std::string quoted_text(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    std::size_t shown = 0;
    std::size_t i = 0;
    for (; i < text.size() && shown < kQuotedLength; ++shown) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c0_control(c)) {
            if (c == '\t')
                quoted += "\\t";
            else if (c == '\r')
                quoted += "\\r";
            else if (c == '\n')
                quoted += "\\n";
            else
                quoted += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
            ++i;
            continue;
        }
        // A C1 control (C2 80 to C2 9F) drives some terminals as its C0 cousin does.
        if (c1_control_at(text, i)) {
            const auto code = static_cast<unsigned char>(text[i + 1]);
            quoted += std::string("\\u00") + kHex[code >> 4] + kHex[code & 15];
            i += 2;
            continue;
        }
        // A character of several bytes is kept whole.
        std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        length = std::min(length, text.size() - i);
        quoted.append(text.substr(i, length));
        i += length;
    }
    if (i < text.size()) quoted += "...";
    return quoted + "\"";
}

}  // namespace standwise

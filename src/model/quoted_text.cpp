#include "model/quoted_text.h"

#include <algorithm>

namespace standwise {

std::string quoted_text(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    std::size_t shown = 0;
    std::size_t i = 0;
    for (; i < text.size() && shown < kQuotedLength; ++shown) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
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

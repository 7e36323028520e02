#include "files/file_names.h"

#include <algorithm>
#include <filesystem>

#include "platform/native.h"
#include "platform/text_files.h"

namespace standwise {
namespace {

// The small letter of a capital, as the file systems' own tables give it for these alphabets.
char32_t small_letter(char32_t c) {
    const bool even = c % 2 == 0;
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // À..Þ, not ×
    // Latin Extended-A: capitals and small letters alternate; İ and ı have no partner here.
    if (((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) && even)
        return c + 1;
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && !even) return c + 1;
    if (c == 0x178) return 0xFF;                                // Ÿ
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;  // Α..Ϋ
    if (c == 0x3C2) return 0x3C3;                               // final ς as σ
    if (c == 0x386) return 0x3AC;                               // Ά
    if (c >= 0x388 && c <= 0x38A) return c + 37;                // Έ Ή Ί
    if (c == 0x38C) return 0x3CC;                               // Ό
    if (c == 0x38E || c == 0x38F) return c + 63;                // Ύ Ώ
    if (c >= 0x410 && c <= 0x42F) return c + 32;                // А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 80;                // Ѐ..Џ
    return c;
}

}  // namespace

std::string folded_name(const std::string& utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const auto next = [&](std::size_t k) {
            return i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0u;
        };
        // Only the one- and two-byte forms hold letters that fold; the rest is copied as it is.
        if (lead < 0x80) {
            append_utf8(folded, small_letter(lead));
            ++i;
        } else if (lead >= 0xC2 && lead < 0xE0 && (next(1) & 0xC0) == 0x80) {
            append_utf8(folded, small_letter(static_cast<char32_t>(((lead & 0x1F) << 6) | (next(1) & 0x3F))));
            i += 2;
        } else {
            folded += utf8[i++];
        }
    }
    return folded;
}

std::string with_filter_extension(const std::string& path, const std::string& filter) {
    const std::size_t bar = filter.find('|');
    const std::string pattern = bar == std::string::npos ? std::string() : filter.substr(bar + 1);
    if (path.empty() || pattern.rfind("*.", 0) != 0) return path;
    const std::filesystem::path name = native_path(path).filename();
    if (name.empty() || name.has_extension()) return path;
    return path + pattern.substr(1);
}

std::vector<std::string> with_recent(std::vector<std::string> recent, const std::string& path,
                                     std::size_t limit) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > limit) recent.resize(limit);
    return recent;
}

}  // namespace standwise

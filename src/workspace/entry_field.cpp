#include "workspace/entry_field.h"

#include "model/numbers.h"
#include "model/quoted_text.h"

namespace standwise {

std::string entry_field_text(const std::string& text) {
    // Most texts are far shorter than the limit even counted in bytes.
    if (text.size() <= kEntryFieldLength) return text;
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::size_t width = length == 4 ? 2 : 1;  // beyond the basic plane: a surrogate pair
        if (units + width > kEntryFieldLength) break;
        units += width;
        i += length;
    }
    return text.substr(0, i);
}

std::string typed_field_text(const std::string& text) {
    return entry_field_text(without_control_characters(text));
}

std::string cut_field_message(const std::string& field, const std::string& text) {
    const std::string kept = entry_field_text(text);
    if (kept.size() == text.size()) return {};
    // Characters as the field counts them: bytes that do not continue a UTF-8 sequence.
    std::size_t characters = 0;
    for (char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return field + ": the text of " + std::to_string(characters) + " characters was cut to the field's " +
           std::to_string(kEntryFieldLength) + ".";
}

std::string not_a_current_reason(double maximum_ma) {
    return "is not a current from 0 to " + plain_number(maximum_ma) + " mA";
}

std::string emptied_field_message(const std::string& field, const std::string& text,
                                  const std::string& reason) {
    return field + ": " + quoted_text(text) + " " + reason + "; the field was emptied.";
}

}  // namespace standwise

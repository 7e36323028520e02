#include "files/config_fields.h"

#include "model/numbers.h"

namespace standwise {

std::string config_text_field(std::string_view line) {
    const char* blanks = " \t";
    std::size_t first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = line.find_last_not_of(blanks);
    return std::string(line.substr(first, last - first + 1));
}

std::string number_field(int value) {
    return str_number(value) + " ";
}

}  // namespace standwise

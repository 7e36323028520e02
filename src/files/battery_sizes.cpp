#include "files/battery_sizes.h"

#include <algorithm>

#include "model/numbers.h"
#include "model/quoted_text.h"
#include "model/system_model.h"

namespace standwise {
namespace {

// "7, 12, ... and 200", from the compiled-in list so the message never names other sizes than it uses.
std::string shipped_sizes_text() {
    std::string text;
    for (std::size_t i = 0; i < kShippedBatterySizes.size(); ++i) {
        if (i > 0) text += i + 1 == kShippedBatterySizes.size() ? " and " : ", ";
        text += plain_number(kShippedBatterySizes[i]);
    }
    return text;
}

}  // namespace

StockBatteries read_stock_batteries(const TextLines& file, const std::string& path) {
    StockBatteries stock;
    auto unused = [&](const std::string& why) {
        stock.sizes = kShippedBatterySizes;
        stock.problem = "The stock battery sizes in " + path + " cannot be used: " + why + "." + kCrLf +
                        "The sizes " + shipped_sizes_text() + "Ah are used instead.";
        return stock;
    };
    if (!file.read()) return unused(unread_reason(file, "list of battery sizes"));
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const std::string& line = file.lines[i];
        const std::string text = line.substr(0, line.find('#'));
        if (text.find_first_not_of(" \t") == std::string::npos) continue;
        const std::optional<double> size = parse_number(text);
        if (!size || !(*size > 0))
            return unused("line " + std::to_string(i + 1) + " (" + quoted_text(line) +
                          ") is not a positive number");
        stock.sizes.push_back(*size);
    }
    if (stock.sizes.empty()) return unused("it holds no size");
    std::sort(stock.sizes.begin(), stock.sizes.end());
    stock.sizes.erase(std::unique(stock.sizes.begin(), stock.sizes.end()), stock.sizes.end());
    return stock;
}

}  // namespace standwise

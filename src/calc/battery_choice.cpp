#include "calc/battery_choice.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

#include "model/numbers.h"

namespace standwise {
namespace {

constexpr const char* kNotPossible = "\u2014";  // an em dash, as for a figure that cannot be given

// "7, 12, ... and 200", from the compiled-in list so the message never names other sizes than it uses.
std::string shipped_sizes_text() {
    std::string text;
    for (std::size_t i = 0; i < kShippedBatterySizes.size(); ++i) {
        if (i > 0) text += i + 1 == kShippedBatterySizes.size() ? " and " : ", ";
        text += plain_number(kShippedBatterySizes[i]);
    }
    return text;
}

BatteryVerdict verdict(bool possible, double required, int period, double standard_ah,
                       const std::vector<double>& sizes) {
    BatteryVerdict v;
    if (!possible) {
        v.fit_text = v.verdict_text = kNotPossible;
        return v;
    }
    v.fit_ah = battery_to_fit(sizes, required);
    v.fit_text = v.fit_ah ? "Battery to fit: " + battery_size_text(*v.fit_ah) : "Larger than any stock size";
    v.covers = standard_ah >= required;
    v.verdict_text = "The " + battery_size_text(standard_ah) + " battery " +
                     (v.covers ? "covers " : "does not cover ") + std::to_string(period) + "hr standby";
    v.verdict_colour = v.covers ? Colour::Green : Colour::Red;
    return v;
}

}  // namespace

std::string battery_size_text(double ah) {
    return plain_number(ah) + "Ah";
}

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
            return unused("line " + std::to_string(i + 1) + " (\"" + line + "\") is not a positive number");
        stock.sizes.push_back(*size);
    }
    if (stock.sizes.empty()) return unused("it holds no size");
    std::sort(stock.sizes.begin(), stock.sizes.end());
    stock.sizes.erase(std::unique(stock.sizes.begin(), stock.sizes.end()), stock.sizes.end());
    return stock;
}

std::vector<std::string> stock_battery_files(Platform& platform) {
    std::vector<std::string> files;
    for (const std::string& folder : platform.settings_folders())
        if (!folder.empty()) files.push_back((std::filesystem::path(folder) / "batteries.txt").string());
    files.push_back(data_path(platform, "batteries.txt"));
    return files;
}

// A file that is there but cannot be used is still the one in use: its message names it, rather
// than sizes from another file being taken without a word.
void load_stock_batteries(SystemModel& model, Platform& platform) {
    const std::vector<std::string> files = stock_battery_files(platform);
    const auto present = [](const std::string& file) {
        std::error_code ignored;
        return std::filesystem::exists(file, ignored);
    };
    const auto found = std::find_if(files.begin(), files.end(), present);
    const std::string& path = found != files.end() ? *found : files.back();
    const StockBatteries stock = read_stock_batteries(platform.read_lines(path), path);
    model.stock_batteries = stock.sizes;
    model.stock_batteries_file = stock.problem.empty() ? path : std::string();
    if (!stock.problem.empty())
        platform.ask_user(stock.problem, "Battery Sizes", MessageStyle::OkExclamation);
}

std::optional<double> battery_to_fit(const std::vector<double>& sizes, double required_ah) {
    for (double size : sizes)
        if (size >= required_ah) return size;
    return std::nullopt;
}

BatterySelection select_batteries(const StandbyFigures& figures, double standard_ah,
                                  const std::vector<double>& sizes) {
    return {verdict(figures.capacity_24h_possible, figures.capacity_24h, 24, standard_ah, sizes),
            verdict(figures.capacity_72h_possible, figures.capacity_72h, 72, standard_ah, sizes)};
}

std::vector<std::string> battery_selection_lines(const BatterySelection& selection) {
    std::vector<std::string> lines;
    for (const auto& [period, verdict] :
         {std::pair{"24hr", &selection.for_24h}, std::pair{"72hr", &selection.for_72h}}) {
        const std::string label = std::string("For ") + period + " standby: ";
        lines.push_back(label + verdict->fit_text);
        if (verdict->verdict_text != verdict->fit_text)
            lines.push_back(std::string(label.size(), ' ') + verdict->verdict_text);
    }
    return lines;
}

}  // namespace standwise

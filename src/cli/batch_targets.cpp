#include "cli/batch_targets.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "files/file_names.h"
#include "platform/native.h"
#include "workspace/project_summary.h"

namespace standwise {
namespace {

namespace fs = std::filesystem;

// The path as the file system will see it: absolute, with links and "." and ".." resolved as far as
// the path exists.
fs::path resolved(const fs::path& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec) return path.lexically_normal();
    const fs::path canonical = fs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : canonical;
}

bool starts_with(const fs::path& folder, const fs::path& path) {
    auto p = path.begin();
    for (const fs::path& part : folder) {
        if (p == path.end() || *p != part) return false;
        ++p;
    }
    return true;
}

fs::path common_folder(const std::vector<std::string>& configs) {
    fs::path common = resolved(native_path(configs.front())).parent_path();
    for (const std::string& config : configs) {
        const fs::path folder = resolved(native_path(config)).parent_path();
        while (!starts_with(common, folder) && common.has_relative_path())
            common = common.parent_path();
    }
    return common;
}

// "a/site.cfg" below the common folder gives "a_site.txt".
std::string name_after_path(const std::string& config, const fs::path& common, const std::string& extension) {
    fs::path relative = resolved(native_path(config)).lexically_relative(common);
    relative.replace_extension();
    std::string name;
    for (const fs::path& part : relative)
        name += (name.empty() ? "" : "_") + utf8_path(part);
    return name + extension;
}

// The configurations below one folder, relative to it, in name order.
std::variant<std::vector<std::string>, std::string> folder_configurations(const std::string& folder,
                                                                          bool recursive) {
    std::vector<std::string> names;
    std::error_code ec;
    auto add = [&](const fs::directory_entry& entry, const fs::path& root) {
        std::error_code ignored;
        if (!entry.is_regular_file(ignored) || !is_configuration(utf8_path(entry.path().filename()))) return;
        std::string name;  // with "/" between folders on every system, as the table names it
        for (const fs::path& part : entry.path().lexically_relative(root))
            name += (name.empty() ? "" : "/") + utf8_path(part);
        names.push_back(name);
    };
    const fs::path root = native_path(folder);
    if (recursive) {
        for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec),
             end;
             !ec && it != end; it.increment(ec))
            add(*it, root);
    } else {
        for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
            add(*it, root);
    }
    if (ec) return folder + ": the folder cannot be read: " + error_text(ec);
    if (names.empty())
        return folder + ": the folder holds no configuration (*.cfg)" +
               (recursive ? "" : "; --recursive looks in its subfolders too");
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::variant<std::vector<NamedConfig>, std::string> configurations_named(const std::vector<std::string>& args,
                                                                         bool recursive) {
    std::vector<NamedConfig> configs;
    for (const std::string& arg : args) {
        std::error_code ec;
        if (!fs::is_directory(native_path(arg), ec)) {
            configs.push_back({arg, arg});
            continue;
        }
        auto found = folder_configurations(arg, recursive);
        if (const std::string* problem = std::get_if<std::string>(&found)) return *problem;
        for (const std::string& name : std::get<std::vector<std::string>>(found))
            configs.push_back({utf8_path(native_path(arg) / native_path(name)), name});
    }
    return configs;
}

bool same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    const fs::path first = native_path(a);
    const fs::path second = native_path(b);
    return fs::equivalent(first, second, ec) || resolved(first) == resolved(second);
}

// Whether a report could be the same file as a configuration under another path: a hard link, or a
// file system that ignores letter case. Only a report file that exists already can be one.
bool may_alias(const fs::path& output) {
    std::error_code ec;
    if (!fs::exists(output, ec)) return false;
#ifdef _WIN32
    return true;
#else
    return fs::hard_link_count(output, ec) > 1 || ec;
#endif
}

std::variant<ReportPlan, std::string> plan_reports(const std::vector<std::string>& configs, bool has_output,
                                                   const std::string& output, bool unique_names,
                                                   const std::string& extension, PlanCounts* counts) {
    PlanCounts local;
    PlanCounts& count = counts != nullptr ? *counts : local;
    ReportPlan plan;
    if (configs.size() == 1) {
        plan.targets.push_back({configs.front(), has_output ? output : std::string()});
    } else {
        if (!has_output)
            return std::string("several configurations need -o naming a folder for their reports");
        plan.folder = output;
        const fs::path common = unique_names ? common_folder(configs) : fs::path();
        // Names folded to lower case, each with the configuration that took it: one lookup a report.
        std::unordered_map<std::string, std::size_t> taken;
        taken.reserve(configs.size());
        for (std::size_t i = 0; i < configs.size(); ++i) {
            const std::string& config = configs[i];
            const std::string name = unique_names ? name_after_path(config, common, extension)
                                                  : utf8_path(native_path(config).stem()) + extension;
            ++count.name_lookups;
            const auto [at, added] = taken.emplace(folded_name(name), i);
            if (!added) {
                const std::string& first = configs[at->second];
                // Naming after folders helps only configurations that lie in different folders.
                const bool folders_differ =
                    resolved(native_path(first)).parent_path() != resolved(native_path(config)).parent_path();
                return "the reports of " + first + " and " + config + " would both be named " + name +
                       (!unique_names && folders_differ ? "; --unique-names names them after their folders"
                                                        : "; rename one of the two configurations");
            }
            plan.targets.push_back({config, utf8_path(native_path(output) / native_path(name))});
        }
    }
    // Keyed by the system's own form of the path, which every name has on every system.
    std::unordered_map<fs::path::string_type, std::size_t> config_at;
    config_at.reserve(configs.size());
    for (std::size_t i = 0; i < configs.size(); ++i)
        config_at.emplace(resolved(native_path(configs[i])).native(), i);
    for (const ReportTarget& target : plan.targets) {
        if (target.output.empty()) continue;
        const fs::path report = native_path(target.output);
        ++count.file_checks;
        const auto same = config_at.find(resolved(report).native());
        if (same != config_at.end())
            return "the report " + target.output + " would replace the configuration " +
                   configs[same->second];
        if (!may_alias(report)) continue;
        for (const std::string& config : configs) {
            ++count.file_checks;
            if (same_file(target.output, config))
                return "the report " + target.output + " would replace the configuration " + config;
        }
    }
    return plan;
}

}  // namespace standwise

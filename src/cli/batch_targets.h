// Where the command-line reports go: standard output, one named file, or one file per configuration
// in a folder. Worked out for every configuration before anything is written, so that no report
// replaces another one or a configuration.
#pragma once

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace standwise {

struct ReportTarget {
    std::string config;
    std::string output;  // empty: standard output
};

struct ReportPlan {
    std::vector<ReportTarget> targets;
    std::string folder;  // the folder to create when the reports go into one, else empty
};

/// A configuration found on the command line: where it is, and its name in the table.
struct NamedConfig {
    std::string path;
    std::string name;  // relative to the folder named, or the path as given for a file
};

/// The configurations that the command line's arguments name: a file as given; a folder its
/// *.cfg files in name order, those of its subfolders too with `recursive`. A usage error (the
/// text to show) for a folder that holds none or cannot be read.
std::variant<std::vector<NamedConfig>, std::string> configurations_named(const std::vector<std::string>& args,
                                                                         bool recursive);

/// How much work planning took, for a caller that checks it grows with the configurations alone.
struct PlanCounts {
    std::size_t name_lookups = 0;  // a report's name looked up among those already planned
    std::size_t file_checks = 0;   // a report compared with a configuration as files
};

/// The report file of each configuration. With one configuration the report goes to `output`, or to
/// standard output when there is none; with several, `output` is a folder and each report is named
/// after its configuration with `extension` (".txt" or ".pdf"), or, with `unique_names`, after its path
/// relative to the configurations' common folder ("a/site.cfg" gives "a_site.txt"). A usage error (the text
/// to show) when two reports would get the same name (letter case ignored, as on Windows) or a report would
/// replace one of the configurations, or several configurations have no `output` folder.
std::variant<ReportPlan, std::string> plan_reports(const std::vector<std::string>& configs, bool has_output,
                                                   const std::string& output, bool unique_names,
                                                   const std::string& extension = ".txt",
                                                   PlanCounts* counts = nullptr);

/// Whether two paths name the same file: the same path once resolved, or the same file reached by a
/// link.
bool same_file(const std::string& a, const std::string& b);

}  // namespace standwise

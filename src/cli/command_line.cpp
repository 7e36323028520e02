#include "cli/command_line.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace standwise {
namespace {

bool starts_with(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

CommandLine usage_error(std::string message) {
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = std::move(message);
    return line;
}

// The options the toolkit takes for itself, written with "-" or "--", each name between blanks.
constexpr std::string_view kToolkitValueOptions =
    " platform platformpluginpath platformtheme plugin qwindowgeometry qwindowtitle qwindowicon session"
    " display geometry name title visual style stylesheet fontengine dialogs ";
constexpr std::string_view kToolkitFlags =
    " reverse widgetcount nograb dograb sync testability qmljsdebugger ";

bool listed(std::string_view names, const std::string& name) {
    return !name.empty() && names.find(" " + name + " ") != std::string_view::npos;
}

}  // namespace

std::vector<std::string> without_toolkit_options(const std::vector<std::string>& args) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            kept.insert(kept.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        const std::string option = starts_with(arg, "--")  ? arg.substr(2)
                                   : starts_with(arg, "-") ? arg.substr(1)
                                                           : "";
        const std::string name = option.substr(0, option.find('='));
        if (listed(kToolkitValueOptions, name)) {
            // The value follows as an argument of its own; without one the option is kept, for the
            // parser to refuse as a usage error rather than the toolkit to abort on.
            if (name == option && i + 1 == args.size()) kept.push_back(arg);
            if (name == option) ++i;
        } else if (!listed(kToolkitFlags, name)) {
            kept.push_back(arg);
        }
    }
    return kept;
}

namespace {

// The options a mistyped one is compared with.
constexpr std::string_view kOptions[] = {"--report",    "--output", "--pdf",  "--unique-names", "--summary",
                                         "--recursive", "--format", "--help", "--version"};

// Letters to insert, delete or change to make one name the other.
std::size_t edit_distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// "unknown option --reprot; did you mean --report?": the nearest option when it is near enough.
std::string unknown_option(const std::string& arg) {
    const std::string name = arg.substr(0, arg.find('='));
    // A toolkit option reaches the parser only when its value is missing.
    const std::string bare = name.substr(name.find_first_not_of('-'));
    if (listed(kToolkitValueOptions, bare)) return arg + " needs a value";
    const std::string dashed = starts_with(name, "--") ? name : "-" + name;
    std::string_view closest;
    std::size_t best = 4;
    for (std::string_view option : kOptions) {
        const std::size_t distance = edit_distance(dashed, option);
        if (distance < best) {
            best = distance;
            closest = option;
        }
    }
    std::string message = "unknown option " + arg;
    if (!closest.empty()) message += "; did you mean " + std::string(closest) + "?";
    return message;
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty()) return line;
    bool report = false;
    bool summary = false;
    bool format = false;
    std::string kind;
    // A flag given twice is refused like any other combination that means nothing.
    auto flag = [](bool& set, const std::string& arg) -> std::optional<CommandLine> {
        if (set) return usage_error(arg + " given twice");
        set = true;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<CommandLine> refused;
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (arg == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (arg == "--report" || starts_with(arg, "--report=")) {
            if (report) return usage_error("--report given twice");
            report = true;
            if (arg == "--report") {
                if (i + 1 >= args.size())
                    return usage_error("--report needs a report kind: full, short or interface");
                kind = args[++i];
            } else {
                kind = arg.substr(9);
            }
        } else if (arg == "-o" || arg == "--output" || starts_with(arg, "--output=")) {
            if (line.has_output) return usage_error("-o given twice");
            line.has_output = true;
            if (starts_with(arg, "--output=")) {
                line.output = arg.substr(9);
            } else {
                if (i + 1 >= args.size()) return usage_error(arg + " needs a file or folder");
                line.output = args[++i];
            }
            if (line.output.empty()) return usage_error("-o needs a file or folder");
        } else if (arg == "--format" || starts_with(arg, "--format=")) {
            if (format) return usage_error("--format given twice");
            format = true;
            std::string value;
            if (arg == "--format") {
                if (i + 1 >= args.size()) return usage_error("--format needs numbers or text");
                value = args[++i];
            } else {
                value = arg.substr(9);
            }
            if (value == "text")
                line.text_table = true;
            else if (value != "numbers")
                return usage_error("unknown table format \"" + value + "\": use numbers or text");
        } else if (arg == "--summary") {
            refused = flag(summary, arg);
        } else if (arg == "--unique-names") {
            refused = flag(line.unique_names, arg);
        } else if (arg == "--pdf") {
            refused = flag(line.pdf, arg);
        } else if (arg == "--recursive") {
            refused = flag(line.recursive, arg);
        } else if (arg == "--") {
            line.configs.insert(line.configs.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                args.end());
            break;
        } else if (starts_with(arg, "-") && arg != "-") {
            return usage_error(unknown_option(arg));
        } else {
            line.configs.push_back(arg);
        }
        if (refused) return *refused;
    }
    if (format && !summary) return usage_error("--format goes with --summary");
    if (summary) {
        if (report) return usage_error("--summary and --report cannot go together");
        if (line.pdf) return usage_error("--pdf goes with --report, not --summary");
        if (line.unique_names) return usage_error("--unique-names goes with --report, not --summary");
        if (line.configs.empty()) return usage_error("no configuration file given");
        line.action = CommandLine::Action::Summary;
        return line;
    }
    if (!report) {
        if (line.has_output) return usage_error("-o goes with --report or --summary");
        if (line.pdf) return usage_error("--pdf goes with --report");
        if (line.unique_names) return usage_error("--unique-names goes with --report");
        if (line.recursive) return usage_error("--recursive goes with --report or --summary");
        if (line.configs.size() != 1)
            return usage_error("one configuration can be opened; use --report to write reports of several");
        line.action = CommandLine::Action::Open;
        return line;
    }
    if (kind == "full")
        line.kind = ReportKind::Full;
    else if (kind == "short")
        line.kind = ReportKind::Short;
    else if (kind == "interface")
        line.kind = ReportKind::Interface;
    else
        return usage_error("unknown report kind \"" + kind + "\": use full, short or interface");
    if (line.configs.empty()) return usage_error("no configuration file given");
    if (line.pdf && !line.has_output)
        return usage_error(
            "--pdf needs -o naming the PDF file or folder: a PDF cannot go to standard output");
    if (line.configs.size() > 1 && !line.has_output)
        return usage_error("several configurations need -o naming a folder for their reports");
    line.action = CommandLine::Action::Report;
    return line;
}

std::string usage_text() {
    return "Usage: standwise                      start the program\n"
           "       standwise CONFIG               start the program and open CONFIG, a system or\n"
           "                                      interface configuration (.cfg)\n"
           "       standwise --report full|short|interface [-o OUTPUT [--pdf]] [--unique-names] "
           "[--recursive]\n"
           "                 CONFIG...\n"
           "       standwise --summary [--format numbers|text] [-o OUT.csv] [--recursive] CONFIG...\n"
           "       standwise --help\n"
           "       standwise --version\n"
           "\n"
           "Writes the report that the Report menu writes after loading CONFIG, without showing\n"
           "anything: full and short reports from system configurations, interface reports from\n"
           "interface configurations. The report goes to OUTPUT, or to standard output when -o is\n"
           "absent. With several CONFIGs, OUTPUT is a folder (created when missing) and each report\n"
           "is named after its configuration with the extension .txt; with --unique-names, after its\n"
           "path below the configurations' common folder (a/site.cfg gives a_site.txt). Two reports\n"
           "that would get the same name, or a report that would replace a configuration, are a usage\n"
           "error and nothing is written. With --pdf (which needs -o) each report is written as the PDF\n"
           "that \"Export report as PDF\" writes, and reports in a folder are named with .pdf.\n"
           "Messages go to standard error. A CONFIG may be a folder: its .cfg files count, in name\n"
           "order; with --recursive, those of its subfolders too.\n"
           "\n"
           "--summary loads each CONFIG, system or interface as its first line says, and writes one\n"
           "table (CSV) with a row each: the site, the panel, the currents, the standby figures, the\n"
           "stock battery to fit and the standard battery's verdicts, and the warnings the load\n"
           "showed; to OUT.csv, or to standard output. Figures are plain numbers (A, Ah, hours) and\n"
           "verdicts yes or no; --format text writes them as the windows show them (\"0.087A\").\n"
           "Exit status: 0 all reports or rows written, 1 a configuration could not be read or\n"
           "written, or held a value that its field empties, 2 usage error, 3 written, but figures\n"
           "leave out devices without a definition.\n";
}

}  // namespace standwise

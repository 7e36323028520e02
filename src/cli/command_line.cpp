#include "cli/command_line.h"

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

CommandLine parse_command_line(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty()) return line;
    bool report = false;
    bool summary = false;
    std::string kind;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
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
        } else if (arg == "--summary") {
            summary = true;
        } else if (arg == "--unique-names") {
            line.unique_names = true;
        } else if (arg == "--pdf") {
            line.pdf = true;
        } else if (arg == "--") {
            line.configs.insert(line.configs.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                args.end());
            break;
        } else if (starts_with(arg, "-") && arg != "-") {
            return usage_error("unknown option " + arg);
        } else {
            line.configs.push_back(arg);
        }
    }
    if (summary) {
        if (report) return usage_error("--summary and --report cannot go together");
        if (line.configs.empty()) return usage_error("no configuration file given");
        line.action = CommandLine::Action::Summary;
        return line;
    }
    if (!report) {
        if (line.has_output) return usage_error("-o goes with --report or --summary");
        if (line.pdf) return usage_error("--pdf goes with --report");
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
           "       standwise --report full|short|interface [-o OUTPUT [--pdf]] [--unique-names] CONFIG...\n"
           "       standwise --summary [-o OUT.csv] CONFIG...\n"
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
           "Messages go to standard error.\n"
           "\n"
           "--summary loads each CONFIG, system or interface as its first line says, and writes one\n"
           "table (CSV) with a row each: the site, the panel, the currents, the standby figures, the\n"
           "stock battery to fit and the standard battery's verdicts, and the warnings the load\n"
           "showed; to OUT.csv, or to standard output.\n"
           "Exit status: 0 all reports or rows written, 1 a configuration could not be read or\n"
           "written, or held a value that its field empties, 2 usage error, 3 written, but figures\n"
           "leave out devices without a definition.\n";
}

}  // namespace standwise

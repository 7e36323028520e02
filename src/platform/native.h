// Where the core meets the operating system. Paths, arguments and error texts are UTF-8 in the core
// on every system; they are turned into the system's own forms here and nowhere else. On Windows a
// narrow path would be read in the ANSI code page, so "Büro.cfg" would become "BÃ¼ro.cfg".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace standwise {

/// The system's path for a UTF-8 path. A byte that is not UTF-8 becomes U+FFFD on Windows; other
/// systems take the bytes as they are.
std::filesystem::path native_path(std::string_view utf8);

/// The UTF-8 text of a system path.
std::string utf8_path(const std::filesystem::path& path);

/// The C library's words for an error ("No such file or directory"), the same on every system: a
/// Windows error code is first taken to the errno value the C library gives it.
std::string error_text(const std::error_code& error);

/// The program's arguments after its name, as UTF-8: on Windows read again from the wide command
/// line, as `argv` holds them in the ANSI code page.
std::vector<std::string> utf8_arguments(int argc, char* argv[]);

#ifdef _WIN32
/// The errno value for a Windows error code (GetLastError), as the C library maps them.
int errno_of_windows_error(unsigned long error);
#endif

}  // namespace standwise

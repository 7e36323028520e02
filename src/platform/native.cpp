#include "platform/native.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>

// Needs windows.h before it.
#include <shellapi.h>
#endif

namespace standwise {

#ifdef _WIN32

// MultiByteToWideChar and WideCharToMultiByte put U+FFFD in place of what cannot be converted,
// where the library's own conversion would throw.
std::filesystem::path native_path(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return std::filesystem::path(std::move(wide));
}

namespace {

std::string utf8_of(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    std::string utf8(static_cast<std::size_t>(
                         ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
                     '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                          nullptr);
    return utf8;
}

}  // namespace

std::string utf8_path(const std::filesystem::path& path) {
    return utf8_of(path.native());
}

int errno_of_windows_error(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_PATHNAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
        case ERROR_CURRENT_DIRECTORY:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_DIR_NOT_EMPTY:
            return ENOTEMPTY;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        case ERROR_TOO_MANY_OPEN_FILES:
            return EMFILE;
        default:
            return EIO;
    }
}

std::string error_text(const std::error_code& error) {
    if (error.category() == std::system_category())
        return std::generic_category().message(
            errno_of_windows_error(static_cast<unsigned long>(error.value())));
    return error.message();
}

std::vector<std::string> utf8_arguments(int argc, char* argv[]) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) return {argv + (argc > 0 ? 1 : 0), argv + argc};
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i)
        args.push_back(utf8_of(wide[i]));
    ::LocalFree(wide);
    return args;
}

#else

std::filesystem::path native_path(std::string_view utf8) {
    return std::filesystem::path(utf8);
}

std::string utf8_path(const std::filesystem::path& path) {
    return path.native();
}

std::string error_text(const std::error_code& error) {
    return error.message();
}

std::vector<std::string> utf8_arguments(int argc, char* argv[]) {
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

#endif

}  // namespace standwise

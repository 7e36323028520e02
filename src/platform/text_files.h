// Plain text files as the program reads and writes them: lines ending in CR LF when written, any
// of CR LF, LF or CR accepted when read; UTF-8 written, UTF-8 or Windows-1252 read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace standwise {

/// Appends a code point below U+10000 as UTF-8.
void append_utf8(std::string& out, unsigned code);

/// Bytes as UTF-8: kept when they already are valid UTF-8 (a leading byte-order mark dropped),
/// otherwise read as Windows-1252, the encoding of files written by older versions.
std::string decode_text(const std::string& bytes);

/// Splits decoded text into lines without their breaks (CR LF, LF or a lone CR); a final break does
/// not add an empty line.
std::vector<std::string> split_lines(const std::string& text);

/// The text with every line break (CR LF, LF or a lone CR) made `replacement`: a message's breaks
/// for a message box ("\n") or for one line of text (" ").
std::string replace_line_breaks(std::string_view text, std::string_view replacement);

/// The lines of an input text file: only a regular file of at most 4 MiB is read.
TextLines read_text_file(const std::string& path);

/// The lines of a text file, or nothing when it is not read (see read_text_file).
std::optional<std::vector<std::string>> read_text_lines(const std::string& path);

/// The lines as a text file holds them, each ending in CR LF.
std::string crlf_text(const std::vector<std::string>& lines);

/// Writes the lines, each ending in CR LF, as one step (see write_file_atomically): a failure
/// never damages an existing file, a link is followed and the file keeps its permissions.
/// Returns an error text naming the reason, or nothing on success.
std::optional<std::string> write_text_lines(const std::string& path, const std::vector<std::string>& lines);

/// The message shown when a file cannot be written.
std::string write_failure_message(const std::string& path, const std::string& reason);

}  // namespace standwise

// Paths between the toolkit and the core. The core keeps a path as the system gives it: bytes on
// Linux, which need not be UTF-8, and UTF-8 on Windows. The toolkit holds paths as text and shows
// a byte that is not UTF-8 as U+FFFD, so a name such as "caf\xE9.cfg" is taken back to its bytes
// here and nowhere else. Declared without the toolkit's headers, like the folder's other headers.
#pragma once

#include <string>

class QString;
class QUrl;

namespace standwise {

/// The core's path for one the toolkit gives (a file chooser's, the program's folder). A name the
/// toolkit could not decode is looked for in its folder: the one entry whose name reads the same
/// is taken; when there is none, or several, the toolkit's own encoding stands.
std::string path_of(const QString& shown);

/// The core's path for a dropped or opened file: URLs carry the name's bytes exactly. Empty when
/// the URL is not a local file.
std::string path_of(const QUrl& url);

/// The URL of a path, with its bytes exactly, for the desktop to open.
QUrl url_of(const std::string& path);

}  // namespace standwise

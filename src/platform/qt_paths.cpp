#include "platform/qt_paths.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <vector>

#include "platform/qt_strings.h"

namespace standwise {
namespace {

#ifndef Q_OS_WIN
namespace fs = std::filesystem;

std::string bytes_of(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The entry of `folder` whose name the toolkit shows as `shown`, when exactly one does.
std::string entry_shown_as(const fs::path& folder, const QString& shown) {
    std::error_code ec;
    std::vector<std::string> matches;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (QFile::decodeName(QByteArray::fromStdString(name)) == shown) matches.push_back(name);
    }
    return matches.size() == 1 ? matches.front() : bytes_of(QFile::encodeName(shown));
}
#endif

}  // namespace

std::string path_of(const QString& shown) {
#ifdef Q_OS_WIN
    return ss(QDir::toNativeSeparators(shown));
#else
    const std::string encoded = bytes_of(QFile::encodeName(shown));
    std::error_code ec;
    if (!shown.contains(QChar::ReplacementCharacter) || fs::exists(encoded, ec)) return encoded;
    // Found again component by component: only a name holding U+FFFD needs its folder listed.
    fs::path found = shown.startsWith(QLatin1Char('/')) ? fs::path("/") : fs::path();
    for (const QString& part : shown.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        found /= part.contains(QChar::ReplacementCharacter) ? entry_shown_as(found, part)
                                                            : bytes_of(QFile::encodeName(part));
    }
    return found.string();
#endif
}

std::string path_of(const QUrl& url) {
    if (!url.isLocalFile()) return {};
#ifdef Q_OS_WIN
    return path_of(url.toLocalFile());
#else
    // The URL keeps a name's bytes percent-encoded where they are not UTF-8.
    return bytes_of(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
#endif
}

QUrl url_of(const std::string& path) {
#ifdef Q_OS_WIN
    return QUrl::fromLocalFile(qs(path));
#else
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"));
#endif
}

}  // namespace standwise

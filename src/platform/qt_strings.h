// Text between the program's UTF-8 strings and the toolkit's.
#pragma once

#include <QString>
#include <string>

namespace standwise {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

}  // namespace standwise

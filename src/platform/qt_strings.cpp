#include "platform/qt_strings.h"

#include <QString>

namespace standwise {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ss(const QString& text) {
    return text.toStdString();
}

}  // namespace standwise

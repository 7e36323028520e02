// Text between the program's UTF-8 strings and the toolkit's. Declared here without the toolkit's
// headers, like the rest of the platform folder's headers; callers include <QString> to use them.
#pragma once

#include <string>

class QString;

namespace standwise {

QString qs(const std::string& text);
std::string ss(const QString& text);

}  // namespace standwise

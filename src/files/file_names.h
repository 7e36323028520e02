// Names of the files the user picks.
#pragma once

#include <string>

namespace standwise {

/// A name chosen in a save chooser: one typed without an extension gets the filter's (".cfg" for
/// "System configuration files (*.cfg)|*.cfg"); one with any extension stays as typed.
std::string with_filter_extension(const std::string& path, const std::string& filter);

}  // namespace standwise

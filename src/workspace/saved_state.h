// What a workspace knows of its configuration's file: which file it last was loaded from or saved
// to, and whether it has changed since. The same for both workspaces: each gives its configuration
// as the lines it would save (configuration_lines()).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace standwise {

template <class Workspace>
class SavedState {
public:
    /// The file last loaded or saved whole, empty for a fresh start or a part of a cut file.
    std::string file_path;

    /// Whether the configuration differs from that file, or from the fresh start (never before the
    /// workspace has started).
    bool modified() const { return !saved_lines_.empty() && lines() != saved_lines_; }
    /// The configuration is now the one in `path` (empty: a fresh start, nothing to save).
    void mark_saved(const std::string& path) {
        file_path = path;
        saved_lines_ = lines();
    }
    /// The configuration is new and unsaved: it differs from the fresh start `fresh_lines`.
    void mark_new(std::vector<std::string> fresh_lines) {
        file_path.clear();
        saved_lines_ = std::move(fresh_lines);
    }

private:
    std::vector<std::string> lines() const {
        return static_cast<const Workspace&>(*this).configuration_lines();
    }

    std::vector<std::string> saved_lines_;
};

}  // namespace standwise

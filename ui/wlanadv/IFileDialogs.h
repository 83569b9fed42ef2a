#pragma once

#include <optional>
#include <string>
#include <vector>

// The desktop's file dialogs: a file to open (it must exist) or a file to save to (an existing one is
// replaced). Nothing when the user cancelled.
class IFileDialogs {
public:
    struct Filter {
        std::string name;    // what the dialog lists, "*.qlt"
        std::string pattern; // the files it shows, "*.qlt"
    };

    virtual ~IFileDialogs() = default;
    virtual std::optional<std::string> GetOpenFileName(const std::string& defaultExtension,
                                                       const std::vector<Filter>& filters) = 0;
    virtual std::optional<std::string> GetSaveFileName(const std::string& defaultExtension,
                                                       const std::vector<Filter>& filters) = 0;
};

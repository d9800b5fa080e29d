// Common dialogs: choosing a file, a folder or a colour.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ambon {

struct FileFilter {
    std::string description;  // e.g. "Gemeente data (.C1D)"
    std::string pattern;      // e.g. "*.c1d"
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // An existing file to open, starting in folder; nothing when cancelled.
    virtual std::optional<std::string> openFile(const std::string& title, const std::string& folder,
                                                const FileFilter& filter) = 0;
};

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // A folder, starting in folder; nothing when cancelled.
    virtual std::optional<std::string> chooseFolder(const std::string& title,
                                                    const std::string& folder) = 0;
};

class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    // A colour as red + 256 x green + 65536 x blue; nothing when cancelled.
    virtual std::optional<std::uint32_t> chooseColour(std::uint32_t initial) = 0;
};

}  // namespace ambon

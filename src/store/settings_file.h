// The settings file "ambon.ini" in the data directory, held in memory between a reload
// and a save.
#pragma once

#include "store/data_dir.h"
#include "store/ini_file.h"

namespace ambon {

class SettingsFile {
public:
    // The data directory must outlive this object; its read-only switch is honoured at
    // every save.
    explicit SettingsFile(const DataDir& dataDir) : dataDir_(dataDir) {}

    static std::string fileName();

    // Reads the file again; a missing or unreadable file gives an empty set of settings.
    // True when the file was read.
    bool reload();
    // Rewrites the whole file atomically. Nothing is written in a read-only data directory;
    // false when the file could not be written (callers do not report it).
    bool save() const;

    IniFile& ini() { return ini_; }
    const IniFile& ini() const { return ini_; }

private:
    const DataDir& dataDir_;
    IniFile ini_;
};

}  // namespace ambon

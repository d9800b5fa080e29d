// Loading and saving the settings file.
#include "store/settings_file.h"

#include <string_view>

#include "resources/string_table.h"

namespace ambon {

std::string SettingsFile::fileName() {
    return std::string(stringText(1251));
}

bool SettingsFile::reload() {
    auto bytes = dataDir_.readAll(fileName());
    if (!bytes) {
        ini_ = IniFile();
        return false;
    }
    ini_ = IniFile::parse(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    return true;
}

bool SettingsFile::save() const {
    if (dataDir_.readOnly()) return false;
    return dataDir_.writeWhole(fileName(), ini_.serialize());
}

}  // namespace ambon

// A fresh, empty directory per test, removed again afterwards, with small helpers to
// put bytes into files and read them back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ambon::test {

class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    std::filesystem::path file(const std::string& name) const { return dir_ / name; }

    void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    void writeText(const std::string& name, const std::string& text) const;
    std::vector<std::uint8_t> read(const std::string& name) const;
    std::string readText(const std::string& name) const;
    bool exists(const std::string& name) const;
    std::uintmax_t size(const std::string& name) const;
    // Names of the files in the directory, sorted.
    std::vector<std::string> list() const;

private:
    std::filesystem::path dir_;
};

}  // namespace ambon::test

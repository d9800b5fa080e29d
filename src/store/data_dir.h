// The data directory: every data file is dataDir / name. Whole-file rewrites go
// through a temporary file and a rename, so a crash never leaves half a file; slot
// writes touch only their own bytes. In read-only mode nothing is ever written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ambon {

using Bytes = std::vector<std::uint8_t>;

class DataDir {
public:
    DataDir() = default;
    explicit DataDir(std::filesystem::path dir, bool readOnly = false)
        : dir_(std::move(dir)), readOnly_(readOnly) {}

    const std::filesystem::path& path() const { return dir_; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // The file's full path as messages show it (the platform's separator).
    std::string fullPath(const std::string& name) const;
    std::filesystem::path file(const std::string& name) const { return dir_ / name; }

    bool exists(const std::string& name) const;
    // Size in bytes, 0 when the file cannot be opened.
    std::uint64_t fileSize(const std::string& name) const;
    // The whole file, or nothing when it cannot be opened.
    std::optional<Bytes> readAll(const std::string& name) const;
    // count bytes from offset; fewer at the end of the file; nothing when it cannot be opened.
    std::optional<Bytes> readAt(const std::string& name, std::uint64_t offset,
                                std::size_t count) const;
    // count bytes from each offset through one open of the file; fewer at its end.
    std::optional<std::vector<Bytes>> readAtEach(const std::string& name,
                                                 std::span<const std::uint64_t> offsets,
                                                 std::size_t count) const;

    // Replaces the whole file atomically. False when it cannot be written (or read-only).
    bool writeWhole(const std::string& name, std::span<const std::uint8_t> bytes) const;
    bool writeWhole(const std::string& name, const std::string& text) const;
    // Writes bytes at offset into an existing file (read/write, no truncation); the file is
    // created when create is set and it does not exist.
    bool writeAt(const std::string& name, std::uint64_t offset, std::span<const std::uint8_t> bytes,
                 bool create = false) const;

    bool remove(const std::string& name) const;
    // Gives file from the new name; false when it fails.
    bool rename(const std::string& from, const std::string& to) const;

private:
    std::filesystem::path dir_;
    bool readOnly_ = false;
};

}  // namespace ambon

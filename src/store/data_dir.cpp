// File access for the data directory.
#include "store/data_dir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <string_view>

namespace ambon {

namespace {

// Writes all bytes to a file descriptor, retrying short writes.
bool writeFully(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string DataDir::fullPath(const std::string& name) const {
    return (dir_ / name).string();
}

bool DataDir::exists(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(file(name), ec);
}

std::uint64_t DataDir::fileSize(const std::string& name) const {
    // One look at the file answers both whether it is a regular file and its size.
    struct stat st {};
    if (::stat(file(name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

std::optional<Bytes> DataDir::readAll(const std::string& name) const {
    int fd = ::open(file(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Read straight into the result. Once the size from fstat is reached, a small probe
    // tells the end of the file from a file that grew meanwhile, whose further bytes are
    // appended; growing the result before the probe would copy every file once more.
    Bytes bytes(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    std::uint8_t probe[4096];
    for (;;) {
        const bool full = got == bytes.size();
        ssize_t n = full ? ::read(fd, probe, sizeof probe)
                         : ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        if (full) bytes.insert(bytes.end(), probe, probe + n);
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

std::optional<Bytes> DataDir::readAt(const std::string& name, std::uint64_t offset,
                                     std::size_t count) const {
    const std::uint64_t offsets[] = {offset};
    auto parts = readAtEach(name, offsets, count);
    if (!parts) return std::nullopt;
    return std::move(parts->front());
}

std::optional<std::vector<Bytes>> DataDir::readAtEach(const std::string& name,
                                                      std::span<const std::uint64_t> offsets,
                                                      std::size_t count) const {
    int fd = ::open(file(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<Bytes> parts;
    parts.reserve(offsets.size());
    for (std::uint64_t offset : offsets) {
        Bytes bytes(count);
        std::size_t got = 0;
        while (got < count) {
            ssize_t n =
                ::pread(fd, bytes.data() + got, count - got, static_cast<off_t>(offset + got));
            if (n < 0) {
                if (errno == EINTR) continue;
                ::close(fd);
                return std::nullopt;
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
        parts.push_back(std::move(bytes));
    }
    ::close(fd);
    return parts;
}

bool DataDir::writeWhole(const std::string& name, std::span<const std::uint8_t> bytes) const {
    if (readOnly_) return false;
    auto target = file(name);
    // The rename below would replace a file that the user has made read-only; such a
    // file refuses the rewrite as it would refuse being opened for writing.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return false;
    auto temp = dir_ / ("." + name + ".tmp");
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeFully(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(target.c_str(), &st) == 0) ::chmod(temp.c_str(), st.st_mode & 07777);
        ok = ::rename(temp.c_str(), target.c_str()) == 0;
    }
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool DataDir::writeWhole(const std::string& name, const std::string& text) const {
    return writeWhole(name, std::span<const std::uint8_t>(
                                reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool DataDir::writeAt(const std::string& name, std::uint64_t offset,
                      std::span<const std::uint8_t> bytes, bool create) const {
    if (readOnly_) return false;
    int flags = O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0);
    int fd = ::open(file(name).c_str(), flags, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                             static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok;
}

bool DataDir::remove(const std::string& name) const {
    if (readOnly_) return false;
    return ::unlink(file(name).c_str()) == 0;
}

bool DataDir::rename(const std::string& from, const std::string& to) const {
    if (readOnly_) return false;
    return ::rename(file(from).c_str(), file(to).c_str()) == 0;
}

}  // namespace ambon

// Temporary data directories for tests.
#include "support/temp_data_dir.h"

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace ambon::test {

namespace {
std::atomic<unsigned> counter{0};
}

TempDataDir::TempDataDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("ambon-test-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++) + "-" + std::to_string(rd() % 100000));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            dir_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDataDir::~TempDataDir() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

void TempDataDir::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void TempDataDir::writeText(const std::string& name, const std::string& text) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out << text;
}

std::vector<std::uint8_t> TempDataDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

std::string TempDataDir::readText(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool TempDataDir::exists(const std::string& name) const {
    return std::filesystem::exists(file(name));
}

std::uintmax_t TempDataDir::size(const std::string& name) const {
    return std::filesystem::file_size(file(name));
}

std::vector<std::string> TempDataDir::list() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace ambon::test

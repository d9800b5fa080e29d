// What every table needs to reach its file: the data directory and the message boxes
// through which a failed write is reported.
#pragma once

#include <span>
#include <string>

#include "platform/messages.h"
#include "store/data_dir.h"

namespace ambon {

class StoreIo {
public:
    StoreIo(const DataDir& dir, Messages& messages) : dir_(dir), messages_(messages) {}

    const DataDir& dir() const { return dir_; }
    Messages& messages() const { return messages_; }

    // Message 1231 with the file's full path.
    void reportWriteError(const std::string& fileName) const;

    // Writes and reports a failure; the result says whether it worked.
    bool writeWhole(const std::string& fileName, std::span<const std::uint8_t> bytes) const;
    bool writeAt(const std::string& fileName, std::uint64_t offset,
                 std::span<const std::uint8_t> bytes, bool create = false) const;

private:
    const DataDir& dir_;
    Messages& messages_;
};

// The names of the data files (string-table texts).
namespace files {
std::string speakers();  // "speakers.dat"
std::string extra();     // "xtend.dat"
std::string oldExtra();  // "extend.dat"
std::string congs();     // "cong.dat"
std::string circuits();  // "circuit.dat"
std::string hosts();     // "hospital.dat"
std::string talks();     // "talk.dat"
std::string topics();    // "topic.dat"
std::string history();   // "history.dat"
std::string blackout();  // "blackout.dat"
std::string specials();  // "special.dat"
std::string wishlist();  // "wishlist.dat"
std::string settings();  // "ambon.ini"
}  // namespace files

}  // namespace ambon

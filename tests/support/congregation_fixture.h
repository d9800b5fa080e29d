// A data directory with congregations, brothers and circuits written as files, and a
// document started on it, for the tests of the congregation and circuit screens.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/amb_doc.h"
#include "support/fake_platform.h"
#include "support/temp_data_dir.h"

namespace ambon::test {

inline CongregationRecord congregation(const std::string& name, std::int16_t congId,
                                       std::int16_t circuitId = 0) {
    CongregationRecord r;
    r.name = name;
    r.congId = congId;
    r.circuitId = circuitId;
    return r;
}

inline BrotherRecord brother(const std::string& first, const std::string& last,
                             std::int16_t brotherId, std::int16_t congId) {
    BrotherRecord r;
    r.firstName = first;
    r.lastName = last;
    r.brotherId = brotherId;
    r.congId = congId;
    return r;
}

class CongregationFixture {
public:
    TempDataDir dir;
    TestPlatform tp;
    std::unique_ptr<CAmbDoc> doc;

    // Each record goes into the slot of its id; slot 0 is the zero header.
    void writeCongregations(const std::vector<CongregationRecord>& records) const {
        writeSlots("cong.dat", records, [](const CongregationRecord& r) { return r.congId; });
    }
    void writeBrothers(const std::vector<BrotherRecord>& records) const {
        writeSlots("speakers.dat", records, [](const BrotherRecord& r) { return r.brotherId; });
    }
    void writeCircuits(const std::vector<std::pair<std::string, std::uint16_t>>& circuits) const {
        std::vector<std::uint8_t> bytes;
        for (const auto& [name, id] : circuits) {
            NamedIdRecord r;
            r.name = name;
            r.id = id;
            auto one = r.encode();
            bytes.insert(bytes.end(), one.begin(), one.end());
        }
        dir.write("circuit.dat", bytes);
    }
    // Settings with the own congregation.
    void writeHomeCongregation(int congId) const {
        dir.writeText("ambon.ini", "[Congregation]\nNumber=" + std::to_string(congId) + "\n");
    }

    CAmbDoc& start() {
        doc = std::make_unique<CAmbDoc>(tp.clock, tp.messages);
        EXPECT_TRUE(doc->startUp(dir.path()));
        return *doc;
    }

    // The record in slot k of "cong.dat" as it is on disk.
    CongregationRecord congSlot(std::size_t k) const {
        auto bytes = dir.read("cong.dat");
        std::vector<std::uint8_t> block(256, 0);
        for (std::size_t i = 0; i < 256 && k * 256 + i < bytes.size(); ++i)
            block[i] = bytes[k * 256 + i];
        return CongregationRecord::decode(block);
    }
    BrotherRecord brotherSlot(std::size_t k) const {
        auto bytes = dir.read("speakers.dat");
        std::vector<std::uint8_t> block(256, 0);
        for (std::size_t i = 0; i < 256 && k * 256 + i < bytes.size(); ++i)
            block[i] = bytes[k * 256 + i];
        return BrotherRecord::decode(block);
    }
    std::vector<NamedIdRecord> circuitsOnDisk() const {
        auto bytes = dir.read("circuit.dat");
        std::vector<NamedIdRecord> out;
        for (std::size_t at = 0; at + 32 <= bytes.size(); at += 32)
            out.push_back(NamedIdRecord::decode(std::span(bytes.data() + at, 32)));
        return out;
    }
    std::vector<std::string> congregationNames() const {
        std::vector<std::string> names;
        for (const auto& e : doc->congregations().entries()) names.push_back(e.name);
        return names;
    }

private:
    template <class R, class Id>
    void writeSlots(const std::string& file, const std::vector<R>& records, Id id) const {
        std::vector<std::uint8_t> bytes(256, 0);
        for (const auto& r : records) {
            auto slot = static_cast<std::size_t>(id(r));
            if (bytes.size() < (slot + 1) * 256) bytes.resize((slot + 1) * 256, 0);
            auto one = r.encode();
            std::copy(one.begin(), one.end(), bytes.begin() + static_cast<long>(slot * 256));
        }
        dir.write(file, bytes);
    }
};

}  // namespace ambon::test

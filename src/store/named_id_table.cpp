// Circuits and hospitality providers.
#include "store/named_id_table.h"

#include <algorithm>

namespace ambon {

namespace {
constexpr std::size_t kSize = NamedIdRecord::kSize;
}

void NamedIdTable::load() {
    records_.clear();
    auto bytes = io_.dir().readAll(fileName_());
    if (!bytes) return;
    records_.reserve((bytes->size() + kSize - 1) / kSize);
    for (std::size_t offset = 0; offset < bytes->size(); offset += kSize)
        records_.push_back(NamedIdRecord::decode(
            std::span(bytes->data() + offset, std::min(kSize, bytes->size() - offset))));
}

bool NamedIdTable::save() const {
    Bytes bytes;
    bytes.reserve(records_.size() * kSize);
    for (const auto& r : records_) {
        auto one = r.encode();
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return io_.writeWhole(fileName_(), bytes);
}

std::size_t NamedIdTable::find(std::uint16_t id) const {
    if (id == 0) return 0;
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (records_[i].id == id) return i + 1;
    return 0;
}

std::string NamedIdTable::name(std::size_t index) const {
    return index < records_.size() ? records_[index].name : std::string();
}

void NamedIdTable::sort() {
    sortByName(records_, order_,
               [](const NamedIdRecord& r) -> const std::string& { return r.name; });
}

std::uint16_t NamedIdTable::freeId() const {
    std::uint16_t id = 30001;
    while (id < 31000 && find(id) != 0) ++id;
    return id;
}

}  // namespace ambon

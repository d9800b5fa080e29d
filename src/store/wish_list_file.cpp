// The wish list file.
#include "store/wish_list_file.h"

namespace ambon {

void WishListFile::load() {
    list_ = WishList{};
    auto bytes = io_.dir().readAll(files::wishlist());
    loadedFromFile_ = bytes.has_value();
    if (bytes) list_ = WishList::decode(*bytes);
}

bool WishListFile::save() const {
    auto bytes = list_.encode();
    return io_.writeWhole(files::wishlist(), bytes);
}

int WishListFile::wishPriority(int talkIndex) const {
    if (testBit(list_.high, talkIndex)) return 1;
    if (testBit(list_.low, talkIndex)) return 3;
    return 2;
}

}  // namespace ambon

// The wish list of talks ("wishlist.dat", one 96-byte record).
#pragma once

#include "store/records.h"
#include "store/store_io.h"

namespace ambon {

class WishListFile {
public:
    explicit WishListFile(const StoreIo& io) : io_(io) {}

    void load();
    bool save() const;
    bool loadedFromFile() const { return loadedFromFile_; }

    const WishList& wishList() const { return list_; }
    void setWishList(const WishList& list) { list_ = list; }
    // 1 high, 2 medium or 3 low for the talk with index i (talk number i + 1).
    int wishPriority(int talkIndex) const;

private:
    const StoreIo& io_;
    WishList list_{};
    bool loadedFromFile_ = false;
};

}  // namespace ambon

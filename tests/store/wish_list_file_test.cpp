// The wish list file and the priority of a wanted talk.
#include "store/wish_list_file.h"

#include <gtest/gtest.h>

#include "support/store_fixtures.h"

namespace ambon {
namespace {

using test::ByteImage;
using test::ByteVector;

class WishListFileTest : public ::testing::Test {
protected:
    test::StoreWorld w;
    WishListFile file{w.io};
};

TEST_F(WishListFileTest, PriorityIsHighThenLowElseMedium) {
    // Talk index i is bit i mod 8 of byte i div 8 of each set.
    w.temp.write("wishlist.dat", ByteImage(96)
                                     .u8(0, 0x01)              // wanted: index 0
                                     .u8(32, 0x01 | 0x04)      // high: index 0 and 2
                                     .u8(64 + 0, 0x01 | 0x02)  // low: index 0 and 1
                                     .u8(32 + 31, 0x80)        // high: index 255
                                     .u8(64 + 1, 0x01));       // low: index 8
    file.load();
    EXPECT_TRUE(file.loadedFromFile());
    struct Case {
        int index;
        int priority;
    };
    for (Case c : {Case{0, 1}, Case{1, 3}, Case{2, 1}, Case{3, 2}, Case{8, 3}, Case{9, 2},
                   Case{255, 1}, Case{254, 2}}) {
        EXPECT_EQ(file.wishPriority(c.index), c.priority) << "talk index " << c.index;
    }
}

TEST_F(WishListFileTest, MissingOrShortFileReadsAsZerosAndSaveWrites96Bytes) {
    file.load();
    EXPECT_FALSE(file.loadedFromFile());
    EXPECT_EQ(file.wishList(), WishList{});
    EXPECT_TRUE(w.temp.list().empty());

    w.temp.write("wishlist.dat", ByteVector{0x10, 0x20});
    file.load();
    EXPECT_EQ(file.wishList().wanted[0], 0x10);
    EXPECT_EQ(file.wishList().wanted[1], 0x20);
    EXPECT_EQ(file.wishList().wanted[2], 0);
    EXPECT_EQ(file.wishList().low[31], 0);

    WishList list = file.wishList();
    list.low[31] = 0x80;
    file.setWishList(list);
    ASSERT_TRUE(file.save());
    EXPECT_EQ(w.temp.read("wishlist.dat"),
              ByteVector(ByteImage(96).u8(0, 0x10).u8(1, 0x20).u8(95, 0x80)));

    test::blockFile(w.temp, "wishlist.dat");
    EXPECT_FALSE(file.save());
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text, test::writeErrorText(w.temp, "wishlist.dat"));
}

}  // namespace
}  // namespace ambon

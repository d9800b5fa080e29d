// The duty list: duties as bit numbers, and who counts as an outgoing speaker.
#include "reference/local_duties.h"

#include <gtest/gtest.h>

#include "support/fake_messages.h"
#include "support/fixed_clock.h"
#include "support/temp_data_dir.h"

namespace ambon {
namespace {

TEST(LocalDuties, OutgoingSpeakersAndCounts) {
    test::TempDataDir dir;
    test::FixedClock clock(2026, 12, 11);
    test::FakeMessages messages;
    CAmbDoc doc(clock, messages);
    doc.startUp(dir.path());
    CongregationRecord home;
    home.name = "Amersvoort-Noord";
    doc.congregations().addCongregation(home);
    doc.settings().homeCongId = 1;
    // Roles byte on disk: bit 1 outgoing speaker, bit 2 chairman, bit 4 reader.
    struct B {
        const char* last;
        std::uint8_t roles;
        bool suspended;
    };
    for (B b : {B{"Bakker", 0x02 | 0x04, false}, B{"Smit", 0x02, true}, B{"Visser", 0x10, false},
                B{"Vos", 0x00, false}}) {
        BrotherRecord r;
        r.firstName = "Jan";
        r.lastName = b.last;
        r.congId = 1;
        r.roles = b.roles;
        if (b.suspended) r.flags = BrotherRecord::kSuspendedBit;
        doc.brothers().addBrother(r, {});
    }
    doc.brothers().sortBrothers();
    doc.rebuildLocalBrothers();
    ASSERT_EQ(doc.localBrothers().size(), 4u);

    auto index = [&](const char* last) {
        for (std::size_t i = 0; i < doc.brothers().count(); ++i)
            if (doc.brothers().entry(i).lastName == last) return i;
        return kNoBrother;
    };
    EXPECT_TRUE(isOutgoingSpeaker(doc, index("Bakker")));
    EXPECT_FALSE(isOutgoingSpeaker(doc, index("Smit")));  // suspended
    EXPECT_FALSE(isOutgoingSpeaker(doc, index("Visser")));
    EXPECT_EQ(countDuty(doc, kDutyOutgoing), 2);  // the suspended one still holds the duty
    EXPECT_EQ(countDuty(doc, kDutyChairman), 1);
    EXPECT_EQ(countDuty(doc, kDutyReader), 1);

    // A duty set in the list reaches byte 201 of the brother's record.
    for (auto& local : doc.localBrothers())
        if (local.brotherId == doc.brothers().entry(index("Vos")).brotherId)
            setDuty(local, kDutyReader, true);
    doc.saveLocalRoles();
    auto bytes = dir.read("speakers.dat");
    std::size_t slot = doc.brothers().entry(index("Vos")).slot;
    EXPECT_EQ(bytes[slot * 256 + 201], 0x10);
    EXPECT_EQ(countDuty(doc, kDutyReader), 2);
}

}  // namespace
}  // namespace ambon

// The contact card: which texts it collects for the speaker and the talk coordinator,
// the copy button of an e-mail field, and the clipboard emptied when the card closes.
#include "reference/contact_card.h"

#include <gtest/gtest.h>

#include "support/brother_fixture.h"

namespace ambon {
namespace {

using C = ContactCard;
using test::BrotherFixture;

class ContactCardTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.writeStandardWorld();
        f.start();
        // Kees, the coordinator of Assen: a phone too short to be one, a Skype name and
        // an address.
        setContact(BrotherFixture::Kees, "12345", "", "kees.visser", " kees@example.org ");
        // Piet of Emmen, which has no coordinator: a phone, mobile, Skype and address.
        setContact(BrotherFixture::Piet, "050-1234567", "06-22223333", "piet.smit",
                   "piet@example.org");
    }

    void setContact(std::int16_t id, const std::string& phone, const std::string& mobile,
                    const std::string& skype, const std::string& email) {
        Brothers& brothers = f.doc->brothers();
        const std::size_t index = f.indexOf(id);
        BrotherRecord record;
        const std::uint16_t slot = brothers.readBrother(index, record);
        record.phone = phone;
        BrotherExtraRecord extra;
        extra.mobile = mobile;
        extra.skype = skype;
        extra.email = email;
        brothers.updateBrother(index, record, extra);
        ASSERT_NE(slot, 0);
    }
    static std::vector<std::string> phones(const C::Person& p) {
        return {p.phones[0].text, p.phones[1].text, p.phones[2].text};
    }

    BrotherFixture f;
};

TEST_F(ContactCardTest, SpeakerAndCoordinatorTextsAreCollectedInOrder) {
    // Jan of Assen: his phone and mobile; the addresses stay in their own fields and never
    // take a number line.
    C card(*f.doc, f.tp.platform, BrotherFixture::Jan);
    auto v = card.view();
    EXPECT_EQ(v.caption, "Assen");
    EXPECT_EQ(v.text,
              "Gebruik de muis om het telefoonnummer te selecteren of het  \nadres te kopieren.");
    EXPECT_EQ(v.speaker.group.text, " Spreker - Jan Bakker ");
    EXPECT_EQ(phones(v.speaker), (std::vector<std::string>{"0592-123456", "06-11112222", ""}));
    EXPECT_EQ(v.speaker.email.text, "jan@example.org");
    EXPECT_EQ(v.coordinator.group.text, " Lezing Coordinator - Kees Visser ");
    EXPECT_TRUE(v.coordinator.group.visible);
    EXPECT_EQ(phones(v.coordinator), (std::vector<std::string>{"kees.visser", "", ""}));
    EXPECT_EQ(v.coordinator.email.text, "kees@example.org");
    EXPECT_FALSE(v.copy.visible);
}

TEST_F(ContactCardTest, ACongregationWithoutCoordinatorShowsOnlyTheSpeaker) {
    C card(*f.doc, f.tp.platform, BrotherFixture::Piet);
    auto v = card.view();
    EXPECT_EQ(v.caption, "Emmen");
    EXPECT_FALSE(v.coordinator.group.visible);
    EXPECT_FALSE(v.coordinator.email.visible);
    EXPECT_TRUE(v.speaker.group.visible);
    // Three numbers fill the lines; the address has its own field only.
    EXPECT_EQ(phones(v.speaker),
              (std::vector<std::string>{"050-1234567", "06-22223333", "piet.smit"}));
    EXPECT_EQ(v.speaker.email.text, "piet@example.org");

    // A congregation passed in takes the place of his own.
    C other(*f.doc, f.tp.platform, BrotherFixture::Piet, BrotherFixture::Assen);
    EXPECT_EQ(other.view().caption, "Assen");
    EXPECT_TRUE(other.view().coordinator.group.visible);

    // Nobody known: an empty card.
    C none(*f.doc, f.tp.platform, 99);
    EXPECT_EQ(none.view().caption, "");
    EXPECT_FALSE(none.view().speaker.group.visible);
}

TEST_F(ContactCardTest, CopyButtonFollowsTheFocusAndTheClipboardIsEmptiedOnClose) {
    C card(*f.doc, f.tp.platform, BrotherFixture::Jan);
    card.focusField(C::SpeakerEmail);
    EXPECT_TRUE(card.view().copy.visible);
    EXPECT_EQ(card.view().copy.text, "Copy jan@example.org");
    card.focusField(C::Copy);  // the button itself keeps the offer
    EXPECT_TRUE(card.view().copy.visible);
    card.focusField(C::CoordinatorEmail);
    EXPECT_EQ(card.view().copy.text, "Copy kees@example.org");
    card.focusField(C::SpeakerPhone2);
    EXPECT_FALSE(card.view().copy.visible);
    card.pressCopy();  // nothing offered, nothing copied
    EXPECT_EQ(f.tp.clipboard.content, "");

    f.tp.clipboard.content = "something else";
    card.focusField(C::SpeakerEmail);
    card.pressCopy();
    EXPECT_EQ(f.tp.clipboard.content, "jan@example.org");
    card.close();
    EXPECT_TRUE(card.closed());
    EXPECT_EQ(f.tp.clipboard.content, "");

    // A card that copied nothing leaves the clipboard alone.
    f.tp.clipboard.content = "kept";
    C quiet(*f.doc, f.tp.platform, BrotherFixture::Jan);
    quiet.close();
    EXPECT_EQ(f.tp.clipboard.content, "kept");
}

TEST_F(ContactCardTest, AFieldWithoutAnAddressOffersNoCopy) {
    setContact(BrotherFixture::Jan, "0592-123456", "", "", "jan.example");
    C card(*f.doc, f.tp.platform, BrotherFixture::Jan);
    EXPECT_EQ(card.view().speaker.email.text, "jan.example");
    card.focusField(C::SpeakerEmail);
    EXPECT_FALSE(card.view().copy.visible);
}

}  // namespace
}  // namespace ambon

// A data directory with three congregations and six brothers (with offices, duties,
// talks, a suspension and extra records) written as files, and a document started on
// it, for the tests of the brother screens and the commands that open them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/bits.h"
#include "store/field_codec.h"
#include "support/congregation_fixture.h"

namespace ambon::test {

class BrotherFixture : public CongregationFixture {
public:
    // Brother ids of the standard world.
    enum : std::int16_t { Jan = 1, Kees = 2, Piet = 3, Anton = 4, Bert = 5, Henk = 6 };
    // Congregation ids; Assen is the own congregation.
    enum : std::int16_t { Assen = 1, Emmen = 2, Hoorn = 3 };
    static constexpr std::uint8_t kOutgoingDuty = 1 << 1;

    // Assen: Jan Bakker (ministerial servant, outgoing speaker, talk 5, an extra record
    // with mobile and e-mail), Kees Visser (elder, outgoing speaker, talks 5 and 7, talk
    // coordinator), Bert de Vries (suspended outgoing speaker with a talk), Henk Mol
    // (outgoing speaker without talks). Emmen: Piet Smit. No congregation: Anton Zwart.
    void writeStandardWorld() {
        auto assen = congregation("Assen", Assen);
        assen.talkCoordinatorId = Kees;
        writeCongregations({assen, congregation("Emmen", Emmen), congregation("Hoorn", Hoorn)});

        auto jan = brother("Jan", "Bakker", Jan, Assen);
        jan.flags = 1;
        jan.roles = kOutgoingDuty;
        jan.phone = "0592-123456";
        jan.extraNo = 1;
        setBit(jan.talks, 4, true);  // talk 5
        auto kees = brother("Kees", "Visser", Kees, Assen);
        kees.flags = 2;
        kees.roles = kOutgoingDuty;
        setBit(kees.talks, 4, true);
        setBit(kees.talks, 6, true);
        auto bert = brother("Bert", "de Vries", Bert, Assen);
        bert.flags = BrotherRecord::kSuspendedBit;
        bert.roles = kOutgoingDuty;
        setBit(bert.talks, 8, true);
        auto henk = brother("Henk", "Mol", Henk, Assen);
        henk.roles = kOutgoingDuty;
        writeBrothers({jan, kees, brother("Piet", "Smit", Piet, Emmen),
                       brother("Anton", "Zwart", Anton, 0), bert, henk});

        BrotherExtraRecord janExtra;
        janExtra.brotherId = Jan;
        janExtra.mobile = "06-11112222";
        janExtra.email = "jan@example.org";
        auto bytes = janExtra.encode();
        dir.write("xtend.dat", std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        writeHomeCongregation(Assen);
    }

    std::size_t indexOf(std::int16_t brotherId) const {
        return doc->brothers().findBrother(brotherId);
    }
    std::size_t congIndex(std::int16_t congId) const {
        return doc->congregations().findCongregation(congId) - 1;
    }
    BrotherExtraRecord extraSlot(std::size_t number) const {
        auto bytes = dir.read("xtend.dat");
        std::vector<std::uint8_t> block(128, 0);
        for (std::size_t i = 0; i < 128 && (number - 1) * 128 + i < bytes.size(); ++i)
            block[i] = bytes[(number - 1) * 128 + i];
        return BrotherExtraRecord::decode(block);
    }
    // The week records of "history.dat" as they are on disk.
    std::vector<WeekRecord> weeksOnDisk() const {
        std::vector<WeekRecord> out;
        if (!dir.exists("history.dat")) return out;
        auto bytes = dir.read("history.dat");
        for (std::size_t at = 0; at + 64 <= bytes.size(); at += 64)
            out.push_back(WeekRecord::decode(std::span(bytes.data() + at, 64)));
        return out;
    }
    // Week number n of the table, marked in use so that it is saved.
    WeekRecord& week(int n) {
        WeekRecord& w = doc->getWeek(n - 1);
        w.week = static_cast<std::uint16_t>(n);
        w.flags |= WeekRecord::kInUse;
        return w;
    }
};

}  // namespace ambon::test

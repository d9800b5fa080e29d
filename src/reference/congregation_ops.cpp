// Congregation lookups shared by the screens.
#include "reference/congregation_ops.h"

namespace ambon {

int findCongregationByName(const CAmbDoc& doc, Messages& messages, const std::string& text,
                           bool offerOverwrite, int exceptIndex) {
    const auto& entries = doc.congregations().entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!offerOverwrite && static_cast<int>(i) == exceptIndex) continue;
        if (!doc.nameOrder().equal(text, entries[i].name)) continue;
        const int found = static_cast<int>(i) + 1;
        if (exceptIndex == kSilentNameLookup) return found;
        std::string message = entries[i].name + " Dubbele naam.\n\n";
        if (!offerOverwrite) {
            messages.ok(message, MsgIcon::Warning);
            return -1;
        }
        message += "Overschrijven met nieuwe gegevens?";
        return messages.yesNo(message, false) ? found : -1;
    }
    return 0;
}

int brothersOfCongregation(const CAmbDoc& doc, std::int16_t congId) {
    int n = 0;
    for (const auto& b : doc.brothers().entries())
        if (b.congId == congId) ++n;
    return n;
}

}  // namespace ambon

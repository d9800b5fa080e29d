// `ambon --check`: loads a data directory read-only and reports what each data file
// holds in memory and what in it does not add up (odd file sizes, skipped records, ids
// that point nowhere).
#pragma once

#include <filesystem>
#include <ostream>

#include "platform/clock.h"

namespace ambon {

// Writes one line per data file ("name\tcount") and then one line per finding
// ("anomaly: ..." or "note: ...") to out, in UTF-8. Nothing in the directory is written.
// Returns 0, or 1 (after a message to err) when the directory cannot be read.
int runDataCheck(const std::filesystem::path& dir, const Clock& clock, std::ostream& out,
                 std::ostream& err);

}  // namespace ambon

// The circuits and the hospitality providers: lookups by name, additions, renames and
// deletions. Every change leaves its table in name order and rewrites its file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/messages.h"
#include "reference/congregation_ops.h"
#include "store/amb_doc.h"

namespace ambon {

// Longest circuit or provider name the program accepts.
constexpr std::size_t kNamedRecordLimit = 28;

// Index + 1 of the first circuit named text (trimmed, case-insensitive), skipping the
// entry at exceptIndex unless flag is set; 0 when none. A match shows "Dubbele naam."
// after the circuit's name (OK only), unless exceptIndex is kSilentNameLookup.
int findCircuitByName(const CAmbDoc& doc, Messages& messages, const std::string& text, bool flag,
                      int exceptIndex);
// Adds a circuit under the smallest free id from 30001 up; false (after the duplicate
// message) when the name is taken or empty.
bool addCircuit(CAmbDoc& doc, Messages& messages, CircuitRecord record);
// Renames circuit index, keeping its id; false (after the duplicate message) when
// another circuit has the name.
bool renameCircuit(CAmbDoc& doc, Messages& messages, std::size_t index, const std::string& name);
// Removes circuit index; every congregation in it is left without a circuit, on disk
// and in memory. No question is asked.
void deleteCircuit(CAmbDoc& doc, std::size_t index);

// A provider's name as every display but the provider list shows it: without the "~" that
// marks a provider the hospitality rotation leaves out.
std::string hostDisplayName(std::string_view name);

// The same for hospitality providers. A leading "~" (a provider the rotation leaves out)
// does not count when names are compared.
int findHostByName(const CAmbDoc& doc, Messages& messages, const std::string& text, bool flag,
                   int exceptIndex);
bool addHost(CAmbDoc& doc, Messages& messages, HostRecord record);
bool renameHost(CAmbDoc& doc, Messages& messages, std::size_t index, const std::string& name);
// Removes provider index; weeks keep naming his hostId.
void deleteHost(CAmbDoc& doc, std::size_t index);

}  // namespace ambon

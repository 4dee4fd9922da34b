#pragma once
// The stored form of a container's item list (TLMDCustomContainer, container.h): in a stream, the
// item count and the items' records; in a list file, a signature naming the list type first and a
// table of the records' positions after the count. The records themselves are itemrecord.h's.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "base/memorystream.h"
#include "base/stream.h"
#include "widgets/listtypes.h"

// A list file starts with 9 bytes: eight characters naming the list type and a format version (1).
inline constexpr size_t kListSignatureSize = 9;
const char* ListFileSignature(TLMDListItemClassType type);

// Whether the stream goes on with the type's signature (read past it either way).
bool ReadListSignature(TStream& stream, TLMDListItemClassType type);

// Reads the item count and passes the position table when there is one. A count the rest of the
// stream cannot hold (every record takes at least its flags byte, and a position in the table) is a
// read error, raised before anything is made for it.
uint32_t ReadListCount(TStream& stream, bool positionTable);

// Writes the count, the position table when asked (the records' offsets in the stream, filled in once
// they are written) and the records, each by writeRecord(index).
void WriteListItems(TMemoryStream& stream,
                    size_t count,
                    bool positionTable,
                    const std::function<void(size_t index)>& writeRecord);

// Writes the stream's bytes to a new file; EFCreateError "Cannot create file ..." when it cannot be
// made or written in full.
void SaveStreamToFile(const TMemoryStream& stream, const std::string& fileName);

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "base/memorystream.h"
#include "widgets/listfile.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(ListFile, EachListTypeHasItsSignatureAndUnknownTypesTheInvalidOne) {
    const struct {
        TLMDListItemClassType type;
        const char* signature;
    } cases[] = {
        {icImageList, "IMAGLIST\x01"}, {icBitmap, "BMPLIST_\x01"},
        {icWave, "WAVELIST\x01"},      {icStringList, "STRGLIST\x01"},
        {icGeneric, "GENRLIST\x01"},   {icRTF, "RTF_LIST\x01"},
        {icInvalid, "INVALID_\x01"},   {static_cast<TLMDListItemClassType>(200), "INVALID_\x01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::string(ListFileSignature(c.type), kListSignatureSize), std::string(c.signature, 9))
            << int{c.type};
        TMemoryStream stream(Bytes(c.signature, c.signature + 9));
        EXPECT_TRUE(ReadListSignature(stream, c.type)) << int{c.type};
    }
    const struct {
        Bytes bytes;
        bool matches;
    } reads[] = {
        {Bytes{'B', 'M', 'P', 'L', 'I', 'S', 'T', '_', 1, 0}, true},
        {Bytes{'B', 'M', 'P', 'L', 'I', 'S', 'T', '_', 2}, false},  // another format version
        {Bytes{'I', 'M', 'A', 'G', 'L', 'I', 'S', 'T', 1}, false},  // another list type
        {Bytes{'B', 'M', 'P', 'L', 'I', 'S', 'T', '_'}, false},     // cut short
    };
    for (const auto& r : reads) {
        TMemoryStream stream(r.bytes);
        EXPECT_EQ(ReadListSignature(stream, icBitmap), r.matches) << r.bytes.size();
    }
}

TEST(ListFile, ItemsAreTheCountThePositionTableWhenAskedAndTheRecords) {
    const Bytes records[] = {{0xA1, 0xA2, 0xA3}, {0xB1}};
    const auto write = [&](bool table) {
        TMemoryStream stream;
        stream.Write("SIG", 3);  // the positions count from the start of the stream
        WriteListItems(stream, 2, table, [&](size_t i) { stream.Write(records[i].data(), records[i].size()); });
        EXPECT_EQ(stream.Position(), static_cast<int64_t>(stream.Bytes().size()));
        return stream.Bytes();
    };
    EXPECT_EQ(write(true), (Bytes{'S', 'I', 'G', 2, 0, 0, 0, 15, 0, 0, 0, 18, 0, 0, 0, 0xA1, 0xA2, 0xA3, 0xB1}));
    EXPECT_EQ(write(false), (Bytes{'S', 'I', 'G', 2, 0, 0, 0, 0xA1, 0xA2, 0xA3, 0xB1}));
}

TEST(ListFile, TheCountIsReadPastTheTableAndRefusedWhenTheStreamCannotHoldIt) {
    const struct {
        Bytes bytes;
        bool table;
        bool refused;
        int64_t positionAfter;
    } cases[] = {
        {{2, 0, 0, 0, 9, 9, 9, 9, 9, 9, 9, 9, 0, 0}, true, false, 12},  // two positions, two flag bytes
        {{2, 0, 0, 0, 9, 9, 9, 9, 9, 9, 9, 9, 0}, true, true, 0},       // one record short
        {{2, 0, 0, 0, 0, 0}, false, false, 4},
        {{2, 0, 0, 0, 0}, false, true, 0},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0}, false, true, 0},
        {{0, 0, 0}, false, true, 0},  // no whole count
    };
    for (const auto& c : cases) {
        TMemoryStream stream(c.bytes);
        if (c.refused) {
            EXPECT_THROW(ReadListCount(stream, c.table), EReadError) << c.bytes.size();
            continue;
        }
        EXPECT_EQ(ReadListCount(stream, c.table), 2u) << c.bytes.size();
        EXPECT_EQ(stream.Position(), c.positionAfter) << c.bytes.size();
    }
}

TEST(ListFile, SavingWhereNoFileCanBeMadeIsACreateError) {
    TMemoryStream stream;
    stream.Write("x", 1);
    EXPECT_THROW(SaveStreamToFile(stream, "/nonexistent-folder/list.dat"), EFCreateError);
}

}  // namespace

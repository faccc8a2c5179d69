// Memory, byte-scrambling and inflating streams.
#include "catalog/hfgsd_stream.h"
#include "catalog/stream.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <string>

using namespace catalog;

namespace {

std::string readSome(TStream& s, int64_t count) {
    std::string out(static_cast<size_t>(count), '\0');
    out.resize(static_cast<size_t>(s.Read(out.data(), count)));
    return out;
}

std::string counting(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>(i * 7 + 3);
    return s;
}

std::string zlibCompress(const std::string& plain) {
    uLongf size = compressBound(plain.size());
    std::string out(size, '\0');
    EXPECT_EQ(compress(reinterpret_cast<Bytef*>(out.data()), &size,
                       reinterpret_cast<const Bytef*>(plain.data()), plain.size()),
              Z_OK);
    out.resize(size);
    return out;
}

}  // namespace

TEST(MemoryStream, SeekPastEndPadsOnWriteAndCopyFromZeroTakesAll) {
    TMemoryStream m;
    EXPECT_EQ(m.Seek(3, SeekOrigin::Beginning), 3);
    EXPECT_EQ(m.Write("ab", 2), 2);
    EXPECT_EQ(m.Bytes(), std::string("\0\0\0ab", 5));
    EXPECT_EQ(m.Seek(-1, SeekOrigin::End), 4);
    EXPECT_EQ(readSome(m, 10), "b");
    EXPECT_EQ(readSome(m, 10), "");

    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(m, 0), 5);  // 0 = the whole source from its start
    EXPECT_EQ(copy.Bytes(), m.Bytes());
    m.SetPosition(4);
    EXPECT_THROW(copy.CopyFrom(m, 2), EStreamError);  // runs short
}

TEST(HfgsdStream, ZerosReadBackAsTheKeyInOneReadOrTwo) {
    TMemoryStream zeros1(std::string(26, '\0'));
    THfgsdStream one(zeros1);
    const std::string whole = readSome(one, 26);
    EXPECT_EQ(whole, std::string(StreamKey));
    EXPECT_EQ(static_cast<uint8_t>(whole[0]), 0x89);

    TMemoryStream zeros2(std::string(26, '\0'));
    THfgsdStream two(zeros2);
    const std::string first = readSome(two, 10);
    EXPECT_EQ(first + readSome(two, 16), whole);
}

TEST(HfgsdStream, Byte27UsesKeyCharacterOneAgain) {
    TMemoryStream zeros(std::string(27, '\0'));
    THfgsdStream s(zeros);
    const std::string out = readSome(s, 27);
    ASSERT_EQ(out.size(), 27u);
    EXPECT_EQ(out[26], StreamKey[0]);
}

TEST(HfgsdStream, ShortReadAdvancesKeyOnlyByBytesDelivered) {
    TMemoryStream inner(std::string(5, '\0'));
    THfgsdStream s(inner);
    EXPECT_EQ(readSome(s, 10), std::string(StreamKey.substr(0, 5)));
    // More data arrives behind the end: it must continue at key character 6.
    inner.Write(std::string(3, '\0').data(), 3);
    inner.SetPosition(5);
    EXPECT_EQ(readSome(s, 10), std::string(StreamKey.substr(5, 3)));
}

TEST(HfgsdStream, SeekMovesNothingAndReportsLastPosition) {
    const std::string data = counting(200);
    TMemoryStream inner(data);
    THfgsdStream s(inner);
    EXPECT_EQ(s.Seek(50, SeekOrigin::Beginning), 0);
    readSome(s, 100);
    EXPECT_EQ(s.Seek(0, SeekOrigin::Beginning), 100);
    EXPECT_EQ(s.Seek(-30, SeekOrigin::End), 100);
    const std::string next = readSome(s, 1);
    ASSERT_EQ(next.size(), 1u);
    // Byte 101 with key position 101 (101 - 26 * 3 = 23).
    EXPECT_EQ(next[0], static_cast<char>(data[100] ^ StreamKey[22]));
    EXPECT_EQ(s.InnerSize(), 200);
}

TEST(HfgsdStream, WrittenThroughOneObjectReadsBackThroughAFreshOne) {
    const std::string data = counting(300);
    TMemoryStream memory;
    {
        THfgsdStream writer(memory);
        EXPECT_EQ(writer.Write(data.data(), 7), 7);
        EXPECT_EQ(writer.Seek(0, SeekOrigin::Current), 0);  // the position before the write
        EXPECT_EQ(writer.Write(data.data() + 7, 293), 293);
        EXPECT_EQ(writer.Seek(0, SeekOrigin::Current), 7);
    }
    EXPECT_NE(memory.Bytes(), data);
    memory.SetPosition(0);
    THfgsdStream reader(memory);
    EXPECT_EQ(readSome(reader, 1000), data);
}

TEST(ZDecompressionStream, InflatesInSmallReadsAndStopsAtTheStreamEnd) {
    const std::string plain = counting(100000);
    TMemoryStream packed(zlibCompress(plain) + "trailing bytes");
    TZDecompressionStream z(packed);
    std::string out;
    for (std::string piece; !(piece = readSome(z, 777)).empty();)
        out += piece;
    EXPECT_EQ(out, plain);
    EXPECT_TRUE(z.Finished());
    EXPECT_EQ(z.Position(), 100000);
}

TEST(ZDecompressionStream, TruncatedOrCorruptDataThrows) {
    const std::string packed = zlibCompress(counting(5000));
    TMemoryStream truncated(packed.substr(0, packed.size() / 2));
    TZDecompressionStream z1(truncated);
    TMemoryStream sink;
    EXPECT_THROW(sink.CopyToEnd(z1), EZDecompressionError);

    TMemoryStream garbage(std::string("this is not zlib data at all"));
    TZDecompressionStream z2(garbage);
    EXPECT_THROW(sink.CopyToEnd(z2), EZDecompressionError);
}

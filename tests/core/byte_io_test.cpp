// The checked little-endian reader and writer: values at every edge of the
// buffer, reads that would run past it, and offsets near the size limit.
#include "platform/byte_io.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using platform::ByteReader;
using platform::ByteView;
using platform::ByteWriter;

const std::vector<uint8_t> kBytes = {0x01, 0x02, 0x03, 0x04, 0xfe, 0xff};

TEST(ByteView, ReadsInsideAndRefusesPastTheEnd) {
  const ByteView view(kBytes);
  EXPECT_EQ(view.U16(0), 0x0201);
  EXPECT_EQ(view.U32(2), 0xfffe0403u);
  EXPECT_EQ(view.I32(2), static_cast<int32_t>(0xfffe0403u));
  EXPECT_EQ(view.U16(4), 0xfffe);
  EXPECT_FALSE(view.U16(5));
  EXPECT_FALSE(view.U32(3));
  EXPECT_FALSE(view.U8(6));
  EXPECT_FALSE(view.U32(std::numeric_limits<size_t>::max() - 1));
  EXPECT_TRUE(view.Bytes(std::numeric_limits<size_t>::max(), 2).empty());
  EXPECT_EQ(view.Bytes(4, 2).size(), 2u);
}

TEST(ByteView, ShortRecordsReadTheMissingBytesAsZero) {
  const ByteView view(kBytes);
  EXPECT_EQ(view.U32Or0(4), 0x0000fffeu);
  EXPECT_EQ(view.I8Or0(5), -1);
  EXPECT_EQ(view.I32Or0(100), 0);
  EXPECT_EQ(view.U16Or0(std::numeric_limits<size_t>::max()), 0);
}

TEST(ByteReader, FailureSticksAndLaterReadsGiveZero) {
  ByteReader reader(kBytes);
  EXPECT_EQ(reader.U32(), 0x04030201u);
  EXPECT_EQ(reader.remaining(), 2u);
  EXPECT_EQ(reader.U32(), 0u);
  EXPECT_FALSE(reader.ok());
  EXPECT_EQ(reader.U8(), 0);  // even though a byte is left
  EXPECT_EQ(reader.remaining(), 0u);
  EXPECT_FALSE(ByteReader(kBytes, 7).ok());
}

TEST(ByteWriter, WritesWhatTheViewReadsBack) {
  std::vector<uint8_t> out;
  ByteWriter writer(out);
  writer.U8(7);
  writer.U16(0xbeef);
  writer.I32(-2);
  writer.Zeros(2);
  ASSERT_EQ(out.size(), 9u);
  const ByteView view(out);
  EXPECT_EQ(view.U8(0), 7);
  EXPECT_EQ(view.U16(1), 0xbeef);
  EXPECT_EQ(view.I32(3), -2);
  EXPECT_TRUE(platform::PutLe<uint32_t>(out, 5, 0x11223344u));
  EXPECT_EQ(view.U32(5), 0x11223344u);
  EXPECT_FALSE(platform::PutLe<uint32_t>(out, 6, 1u));
  EXPECT_EQ(out[6], 0x33);
}

}  // namespace

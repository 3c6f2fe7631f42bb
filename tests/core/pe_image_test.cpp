#include "gamebuild/pe_image.h"

#include <gtest/gtest.h>

#include "gamebuild/pe_format.h"
#include "tests/support/pe_fixture.h"

namespace {

using gamebuild::PeResource;

std::vector<PeResource> SomeResources() {
  return {{pe::kManifestType, 1, 1033, platform::Bytes(301, 'm')},
          {pe::kIconType, 2, 0, platform::Bytes(77, 2)},
          {pe::kIconType, 1, 0, platform::Bytes(40, 1)},
          {pe::kIconGroupType, 1, 0, platform::Bytes(34, 14)},
          {pe::kIconType, 1, 1033, platform::Bytes(5, 3)}};
}

uint32_t StoredChecksum(const platform::Bytes& file) {
  return platform::ByteView(file).U32Or0(pe_fixture::kOptionalHeaderOffset + pe::kCheckSumField);
}

TEST(PeImage, ResourcesReadBackSortedByTypeNameAndLanguage) {
  const platform::Bytes file = pe_fixture::Executable(SomeResources(), 0);
  const auto image = gamebuild::ReadPeImage(file);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->sections.size(), 2u);
  EXPECT_EQ(image->sections[1].name, ".rsrc");
  EXPECT_EQ(image->resource_rva, pe_fixture::kResourceRva);

  const auto given = SomeResources();
  const std::vector<PeResource> expected = {given[2], given[4], given[1], given[3], given[0]};
  EXPECT_EQ(gamebuild::ReadPeResources(file), expected);
}

TEST(PeImage, ReplacingRewritesOnlyTheResourceSection) {
  const platform::Bytes before = pe_fixture::Executable(SomeResources(), 4096);
  platform::Bytes after = before;
  const std::vector<PeResource> replacement = {{pe::kIconGroupType, 1, 0, platform::Bytes(20, 7)},
                                               {pe::kIconType, 1, 0, platform::Bytes(3000, 9)}};
  ASSERT_TRUE(gamebuild::ReplacePeResources(after, replacement));
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(gamebuild::ReadPeResources(after), (std::vector<PeResource>{replacement[1], replacement[0]}));
  EXPECT_EQ(StoredChecksum(after), gamebuild::PeChecksum(after, pe_fixture::kOptionalHeaderOffset + pe::kCheckSumField));
  EXPECT_NE(StoredChecksum(after), StoredChecksum(before));
  EXPECT_TRUE(std::equal(before.begin() + pe_fixture::kCodeOffset, before.begin() + pe_fixture::kResourceOffset,
                         after.begin() + pe_fixture::kCodeOffset));
  const auto image = gamebuild::ReadPeImage(after);
  const size_t new_size = gamebuild::EncodeResourceSection(replacement, pe_fixture::kResourceRva).size();
  EXPECT_EQ(image->resource_size, new_size);
  EXPECT_EQ(image->sections[1].virtual_size, new_size);  // grown from the old one
  EXPECT_EQ(image->sections[1].raw_size, before.size() - pe_fixture::kResourceOffset);
}

// A section made smaller keeps its room: an executable whose icon was
// replaced by a small one takes a large one again.
TEST(PeImage, ASectionRewrittenSmallerKeepsItsRoom) {
  platform::Bytes file = pe_fixture::Executable({{pe::kIconType, 1, 0, platform::Bytes(9000, 1)}}, 0);
  ASSERT_TRUE(gamebuild::ReplacePeResources(file, {{pe::kIconType, 1, 0, platform::Bytes(10, 2)}}));
  const std::vector<PeResource> large = {{pe::kIconType, 1, 0, platform::Bytes(8000, 3)}};
  ASSERT_TRUE(gamebuild::ReplacePeResources(file, large));
  EXPECT_EQ(gamebuild::ReadPeResources(file), large);
}

TEST(PeImage, ResourcesThatDoNotFitLeaveTheFileAsItWas) {
  const platform::Bytes before = pe_fixture::Executable(SomeResources(), 1024);
  platform::Bytes after = before;
  EXPECT_FALSE(gamebuild::ReplacePeResources(after, {{pe::kIconType, 1, 0, platform::Bytes(5000, 1)}}));
  EXPECT_EQ(after, before);
}

TEST(PeImage, DamagedFilesAreRefused) {
  const platform::Bytes good = pe_fixture::Executable(SomeResources(), 0);
  const size_t resource_directory =
      pe_fixture::kOptionalHeaderOffset + pe::kDirectoriesField64 + pe::kDirectorySize * pe::kResourceDirectoryIndex;
  const size_t root = pe_fixture::kResourceOffset;
  struct Case {
    const char* name;
    size_t offset;
    uint32_t value;  // written as u32 at offset, unless the file is cut there
    bool cut = false;
    bool headers_read = false;
  };
  const Case cases[] = {
      {"not MZ", 0, 0x5A4E},
      {"PE offset past the end", pe::kPeOffsetField, 0xFFFFFFF0},
      {"headers cut short", 0x100, 0, true},
      {"section table cut short", 0x190, 0, true},
      {"resource data cut off", root + 0x40, 0, true, true},
      {"resource directory in no section", resource_directory, 0x9000, false, true},
      {"a named entry", root + pe::kNamedEntryCountField, 0x00010000 | 5, false, true},
      {"the root as its own type", root + pe::kResourceTableSize + 4, pe::kHighBit, false, true},
      {"a type entry pointing at data", root + pe::kResourceTableSize + 4, 0x40, false, true},
      {"a table past the section", root + pe::kResourceTableSize + 4, pe::kHighBit | 0xFFFFF0, false, true},
  };
  for (const Case& c : cases) {
    platform::Bytes file = good;
    if (c.cut)
      file.resize(c.offset);
    else
      ASSERT_TRUE(platform::PutLe(std::span(file), c.offset, c.value)) << c.name;
    EXPECT_EQ(gamebuild::ReadPeImage(file).has_value(), c.headers_read) << c.name;
    EXPECT_FALSE(gamebuild::ReadPeResources(file)) << c.name;
    platform::Bytes replaced = file;
    if (!c.headers_read) {
      EXPECT_FALSE(gamebuild::ReplacePeResources(replaced, {})) << c.name;
      EXPECT_EQ(replaced, file) << c.name;
    }
  }
}

TEST(PeImage, Checksum) {
  // Words added with the carry folded back, the checksum field as zeros, then the size.
  EXPECT_EQ(gamebuild::PeChecksum(platform::Bytes{0x01, 0x02, 0x03}, 100), 0x0201u + 0x0003u + 3u);
  EXPECT_EQ(gamebuild::PeChecksum(platform::Bytes{0xFF, 0xFF, 0x02, 0x00}, 100), 0x0002u + 4u);
  EXPECT_EQ(gamebuild::PeChecksum(platform::Bytes{0x10, 0, 0xAA, 0xBB, 0xCC, 0xDD, 0x20, 0}, 2), 0x30u + 8u);
}

}  // namespace

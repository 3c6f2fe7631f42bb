// The parts of the Windows executable format (PE/COFF) that the icon
// resources of a Windows game touch: the headers up to the section table and
// the resource directory. All integers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pe {

// DOS header: "MZ", and at 0x3C the offset of the PE signature "PE\0\0".
constexpr uint16_t kDosMagic = 0x5A4D;
constexpr size_t kDosHeaderSize = 0x40;
constexpr size_t kPeOffsetField = 0x3C;  // u32
constexpr uint32_t kPeSignature = 0x00004550;
constexpr size_t kPeSignatureSize = 4;

// COFF file header, after the signature.
constexpr size_t kCoffHeaderSize = 20;
constexpr size_t kSectionCountField = 2;         // u16
constexpr size_t kOptionalHeaderSizeField = 16;  // u16

// Optional header, after the COFF header.
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr size_t kSectionAlignmentField = 32;  // u32
constexpr size_t kFileAlignmentField = 36;     // u32
constexpr size_t kSizeOfImageField = 56;       // u32
constexpr size_t kCheckSumField = 64;          // u32
// The data directory count and the directories (8 bytes each: RVA, size)
// lie further on in the 64-bit header than in the 32-bit one.
constexpr size_t kDirectoryCountField32 = 92;
constexpr size_t kDirectoriesField32 = 96;
constexpr size_t kDirectoryCountField64 = 108;
constexpr size_t kDirectoriesField64 = 112;
constexpr size_t kDirectorySize = 8;
constexpr size_t kResourceDirectoryIndex = 2;

// Section header.
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kSectionNameSize = 8;
constexpr size_t kVirtualSizeField = 8;       // u32
constexpr size_t kVirtualAddressField = 12;   // u32
constexpr size_t kRawSizeField = 16;          // u32
constexpr size_t kRawOffsetField = 20;        // u32

// Resource directory table: 16 bytes, then its entries of 8 bytes each,
// named entries first. An entry holds a name (or an id) and the offset of a
// subdirectory (high bit set) or of a data entry, from the section start.
constexpr size_t kResourceTableSize = 16;
constexpr size_t kNamedEntryCountField = 12;  // u16
constexpr size_t kIdEntryCountField = 14;     // u16
constexpr size_t kResourceEntrySize = 8;
constexpr uint32_t kHighBit = 0x80000000u;
// Resource data entry: RVA of the data, its size, code page, reserved.
constexpr size_t kResourceDataEntrySize = 16;
// Resource data are aligned so within the section.
constexpr size_t kResourceDataAlignment = 8;

// Resource types.
constexpr uint32_t kIconType = 3;
constexpr uint32_t kRcDataType = 10;
constexpr uint32_t kIconGroupType = 14;
constexpr uint32_t kManifestType = 24;

}  // namespace pe

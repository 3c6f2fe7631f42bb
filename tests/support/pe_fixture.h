// A small 64-bit Windows executable made in code: a code section and a
// resource section with room for `room` bytes, laid out as a linker would
// (file alignment 0x200, section alignment 0x1000).
#pragma once

#include <cstdint>
#include <vector>

#include "gamebuild/pe_format.h"
#include "gamebuild/pe_image.h"
#include "platform/byte_io.h"

namespace pe_fixture {

constexpr uint32_t kHeadersSize = 0x400;
constexpr uint32_t kCodeOffset = 0x400, kCodeSize = 0x200, kCodeRva = 0x1000;
constexpr uint32_t kResourceOffset = 0x600, kResourceRva = 0x2000;
constexpr size_t kOptionalHeaderOffset = 0x40 + 4 + 20;
constexpr uint8_t kCodeByte = 0xC3;

inline uint32_t AlignUp(size_t value, uint32_t alignment) {
  return static_cast<uint32_t>((value + alignment - 1) / alignment * alignment);
}

inline std::vector<uint8_t> Executable(const std::vector<gamebuild::PeResource>& resources, size_t room) {
  const std::vector<uint8_t> section = gamebuild::EncodeResourceSection(resources, kResourceRva);
  const uint32_t raw_size = AlignUp(std::max(room, section.size()), 0x200);
  std::vector<uint8_t> file;
  platform::ByteWriter w(file);
  w.U16(pe::kDosMagic);
  w.Zeros(pe::kPeOffsetField - 2);
  w.U32(0x40);
  w.U32(pe::kPeSignature);
  // COFF header: x86-64, two sections, the optional header's size, an executable image.
  w.U16(0x8664), w.U16(2), w.Zeros(12), w.U16(240), w.U16(0x22);
  // Optional header (PE32+).
  w.U16(pe::kPe32PlusMagic), w.Zeros(14), w.U32(kCodeRva), w.Zeros(4);
  w.U32(0x40000000), w.U32(0);  // image base
  w.U32(0x1000), w.U32(0x200);   // section and file alignment
  w.U16(6), w.U16(0), w.U16(0), w.U16(0), w.U16(6), w.U16(0), w.U32(0);
  w.U32(kResourceRva + AlignUp(raw_size, 0x1000));  // size of image
  w.U32(kHeadersSize), w.U32(0);                      // size of headers, checksum
  w.U16(3), w.U16(0x8160);                            // console, DLL characteristics
  w.Zeros(4 * 8 + 4);                                 // stack and heap sizes, loader flags
  w.U32(16);
  for (size_t i = 0; i < 16; ++i) {
    const bool resource = i == pe::kResourceDirectoryIndex;
    w.U32(resource ? kResourceRva : 0), w.U32(resource ? static_cast<uint32_t>(section.size()) : 0);
  }
  auto put_section = [&w](const char* name, uint32_t virtual_size, uint32_t rva, uint32_t size, uint32_t offset) {
    platform::Bytes padded(pe::kSectionNameSize, 0);
    for (size_t i = 0; name[i] && i < padded.size(); ++i) padded[i] = static_cast<uint8_t>(name[i]);
    w.Bytes(padded), w.U32(virtual_size), w.U32(rva), w.U32(size), w.U32(offset), w.Zeros(12), w.U32(0x40000040);
  };
  put_section(".text", kCodeSize, kCodeRva, kCodeSize, kCodeOffset);
  put_section(".rsrc", static_cast<uint32_t>(section.size()), kResourceRva, raw_size, kResourceOffset);
  file.resize(kHeadersSize, 0);
  file.resize(kCodeOffset + kCodeSize, kCodeByte);
  w.Bytes(section);
  file.resize(kResourceOffset + raw_size, 0);
  (void)platform::PutLe(std::span(file), kOptionalHeaderOffset + pe::kCheckSumField,
                        gamebuild::PeChecksum(file, kOptionalHeaderOffset + pe::kCheckSumField));
  return file;
}

}  // namespace pe_fixture

// Reading and rewriting the resources of a Windows executable (PE32 and
// PE32+), every offset checked against the file. The resource section is
// rewritten where it lies, within the room the executable gives it, so that
// no other section moves; the header checksum is computed anew.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/files.h"

namespace gamebuild {

struct PeSection {
  std::string name;
  uint32_t virtual_size = 0;
  uint32_t virtual_address = 0;
  uint32_t raw_size = 0;
  uint32_t raw_offset = 0;
  size_t header_offset = 0;  // of its section header in the file
};

struct PeImage {
  uint32_t section_alignment = 0;
  size_t checksum_offset = 0;
  size_t resource_directory_offset = 0;  // of the resource data directory (RVA, size); 0 when none
  uint32_t resource_rva = 0;
  uint32_t resource_size = 0;
  std::vector<PeSection> sections;
};

// The headers of a PE executable, or nothing when `file` is not one or its
// headers or section table lie outside it.
std::optional<PeImage> ReadPeImage(std::span<const uint8_t> file);

// A resource with numeric type, name and language.
struct PeResource {
  uint32_t type = 0;
  uint32_t name = 0;
  uint32_t language = 0;
  platform::Bytes data;

  bool operator==(const PeResource&) const = default;
};

// The resources of the executable in directory order; an empty list when it
// has none; nothing when its resource directory is damaged or uses names
// given as text.
std::optional<std::vector<PeResource>> ReadPeResources(std::span<const uint8_t> file);

// A resource section for `resources` that is loaded at `rva`: the directory
// tree sorted by type, name and language, then the data entries, then the
// data, each aligned to 8 bytes.
platform::Bytes EncodeResourceSection(std::vector<PeResource> resources, uint32_t rva);

// Replaces every resource of the executable with `resources`, in the section
// that holds its resource directory. False, with `file` unchanged, when the
// executable has no such section or the new resources do not fit in it.
bool ReplacePeResources(platform::Bytes& file, const std::vector<PeResource>& resources);

// The header checksum of a PE file: 16-bit words added with carry folded
// back, the checksum field itself counting as 0, plus the file size.
uint32_t PeChecksum(std::span<const uint8_t> file, size_t checksum_offset);

}  // namespace gamebuild

#include "gamebuild/windows_game_icon.h"

#include <algorithm>

#include "gamebuild/pe_format.h"
#include "gamebuild/pe_image.h"

namespace gamebuild {

namespace {

bool GivesWayToTheIcon(const PeResource& r) {
  return r.type == pe::kIconType || r.type == pe::kIconGroupType ||
         (r.type == pe::kRcDataType && r.name == kIconRoomName);
}

const PeResource* Find(const std::vector<PeResource>& resources, uint32_t type, uint32_t name) {
  const auto found = std::find_if(resources.begin(), resources.end(),
                                  [&](const PeResource& r) { return r.type == type && r.name == name; });
  return found == resources.end() ? nullptr : &*found;
}

}  // namespace

bool PutIconResources(platform::Bytes& executable, const std::vector<IconImage>& images) {
  auto resources = ReadPeResources(executable);
  if (!resources) return false;
  std::erase_if(*resources, GivesWayToTheIcon);
  resources->push_back({pe::kIconGroupType, kIconGroupName, 0, EncodeIconGroup(images)});
  for (size_t i = 0; i < images.size(); ++i)
    resources->push_back({pe::kIconType, static_cast<uint32_t>(i + 1), 0, images[i].data});
  return ReplacePeResources(executable, *resources);
}

std::optional<std::vector<IconImage>> ReadIconResources(std::span<const uint8_t> executable) {
  const auto resources = ReadPeResources(executable);
  if (!resources) return std::nullopt;
  const PeResource* group = Find(*resources, pe::kIconGroupType, kIconGroupName);
  if (!group) return std::nullopt;
  const auto headers = ReadIconGroup(group->data);
  if (!headers) return std::nullopt;
  std::vector<IconImage> images;
  for (const IconImageHeader& header : *headers) {
    const PeResource* icon = Find(*resources, pe::kIconType, header.name);
    if (!icon || icon->data.size() != header.size) return std::nullopt;
    IconImage image = header.image;
    image.data = icon->data;
    images.push_back(std::move(image));
  }
  return images;
}

}  // namespace gamebuild

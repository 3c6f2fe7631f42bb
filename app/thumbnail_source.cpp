#include "app/thumbnail_source.h"

#include <QImage>
#include <QString>

#include "platform/qt_picture.h"
#include "world/map_thumbnails.h"

namespace app {

std::optional<assets::Picture> LoadIconSheet(const platform::Workspace& workspace) {
  if (!workspace.Exists("ic")) {
    const assets::Picture black(world::kIconSheetSize, world::kIconSheetSize);
    workspace.Write("ic", assets::EncodeBmp24(black));
  }
  const auto bytes = workspace.Read("ic");
  if (!bytes) return std::nullopt;
  QImage image;
  if (!image.loadFromData(bytes->data(), static_cast<int>(bytes->size()))) return std::nullopt;
  return platform::FromQImage(image);
}

}  // namespace app

#include "project/window_title.h"

namespace project {

std::string WindowTitle(std::string_view level, std::string_view project) {
  std::string title;
  for (std::string_view part : {level, project})
    if (!part.empty()) title.append(part).append(" - ");
  return title + "Tarnwick";
}

}  // namespace project

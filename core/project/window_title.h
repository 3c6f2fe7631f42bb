// The title of the editor's main window.
#pragma once

#include <string>
#include <string_view>

namespace project {

// "Level 3 - Ember Keep - Tarnwick": the level's name, the project's name
// and the program's, the empty ones left out ("Tarnwick" when both are).
std::string WindowTitle(std::string_view level, std::string_view project);

}  // namespace project

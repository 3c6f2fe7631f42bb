// The text of the user guide, help/index.htm.
#pragma once

#include <string>

namespace starter {

std::string HelpPageText();

}  // namespace starter

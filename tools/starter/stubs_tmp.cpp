#include "tools/starter/help_page.h"
namespace starter {



void AddScreens(Content&) {}
std::vector<HelpFile> HelpFiles(const Content&) { return {}; }
}

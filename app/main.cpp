#include "shell/startup.h"

int main(int argc, char** argv) {
  return app::RunEditor(argc, argv);
}

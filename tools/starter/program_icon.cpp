#include "tools/starter/program_icon.h"

#include "assets/picture_scale.h"

namespace starter {

namespace {

constexpr int kDrawn = 256;

Picture DrawIcon() {
  Picture p(kDrawn, kDrawn);
  Gradient(p, 0, kDrawn, Hex(0x1E1E3C), Hex(0x8080C0));
  // The far wall spans (88, 96) to (168, 168); walls, floor and ceiling run
  // from its corners to the corners of the picture.
  const double ceiling[] = {0, 0, 256, 0, 168, 96, 88, 96};
  const double floor[] = {0, 256, 256, 256, 168, 168, 88, 168};
  const double left[] = {0, 0, 88, 96, 88, 168, 0, 256};
  const double right[] = {256, 0, 168, 96, 168, 168, 256, 256};
  FillPolygon(p, ceiling, 4, Hex(0x34304C));
  FillPolygon(p, floor, 4, Hex(0x5A4632));
  FillPolygon(p, left, 4, Hex(0x783C32));
  FillPolygon(p, right, 4, Hex(0x6A342C));
  FillRect(p, 88, 96, 80, 72, Hex(0x5C2E28));
  // Joints of the bricks, closing in towards the door.
  const Rgb joint = Hex(0x3A1E1A);
  for (int i = 1; i < 5; ++i) {
    const double t = i / 5.0;
    Line(p, 88 * t, 96 * t, 88 * t, 256 - 88 * t, joint);
    Line(p, 256 - 88 * t, 96 * t, 256 - 88 * t, 256 - 88 * t, joint);
    Line(p, 0, 256 * t, 88, 96 + 72 * t, joint);
    Line(p, 256, 256 * t, 168, 96 + 72 * t, joint);
  }
  // The door with its frame.
  FillRect(p, 108, 110, 40, 58, Hex(0x2A5A2A));
  FillRect(p, 112, 114, 32, 54, Hex(0x3C783C));
  FillRect(p, 127, 114, 2, 54, Hex(0x2A5A2A));
  FillCircle(p, 139, 142, 2.5, Hex(0xE6C860));
  Bevel(p, 0, 0, kDrawn, kDrawn, Hex(0x9C9CD0), Hex(0x14142A), 6);
  return p;
}

}  // namespace

Picture ProgramIcon(int size) {
  return assets::Scaled(DrawIcon(), size, size);
}

}  // namespace starter

// Readable test failures for pictures: size and the first differing pixels
// are easier to follow than raw bytes.
#pragma once

#include <ostream>

#include "assets/picture.h"

namespace assets {

inline void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "(" << int{c.r} << "," << int{c.g} << "," << int{c.b} << ")";
}

inline void PrintTo(const Picture& p, std::ostream* os) {
  *os << p.width << "x" << p.height;
  if (!p.empty()) {
    *os << " top-left ";
    PrintTo(p.at(0, 0), os);
    *os << " bottom-right ";
    PrintTo(p.at(p.width - 1, p.height - 1), os);
  }
}

}  // namespace assets

// Smooth scaling of pictures: area averaging along an axis that shrinks,
// bilinear interpolation along an axis that grows. Integer arithmetic only,
// so the result is the same on every machine.
#pragma once

#include "assets/picture.h"

namespace assets {

// `source` scaled to `width` by `height`. A picture already of that size is
// returned unchanged; an empty source or size gives an empty picture.
Picture Scaled(const Picture& source, int width, int height);

}  // namespace assets

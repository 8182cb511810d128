#pragma once
// A circular pocket or bore milled with a rotary end mill on the plane
// tilted by the B axis: stepping down in Z from the start depth by the step
// t to the end depth, one circle pass at each depth (a roughing circle
// inside the finish allowance when one is set, then the finishing circle),
// each circle two half circles between a G41 entry and a G40 exit.

#include <QString>

namespace brennvik {

// One circle pass at the current depth: centre X = StartX, Y = StartZ,
// radius R = EndX, finish allowance L.
void AppendCirclePass();

// Builds g_OutputBlock from the process variables and the machine settings
// and returns it. A step that does not lower the depth (one too small to
// change it) is an error, rather than a block without end.
QString BuildTiltedCircleBlock();

}  // namespace brennvik

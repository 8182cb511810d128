#pragma once
// What the chamfer window draws: the corner of the part in a view fitted to
// the chamfer, the approach envelope, the path before and after the
// nose-radius compensation with the nose circles, and labelled points.
// RecalcChamfer calls the steps in order as its values become known.

#include "chamfer.h"

namespace brennvik {

// The drawing area of the chamfer window, in twips.
inline QSizeF ChamferAreaTwips() { return {8835, 5715}; }

// Every computation starts here: an empty drawing with white text.
void PrepareChamferDrawing(Drawing &drawing);
// The corner at the origin, before X and Z are known.
void DrawEmptyCorner(Drawing &drawing, ChamferCase kase);
// The corner at (X, Z), labelled.
void DrawCorner(Drawing &drawing, ChamferCase kase, double x, double z);
// The view fitted to the chamfer, the approach envelope, the corner and the
// uncompensated path.
void DrawChamferPath(Drawing &drawing, const ChamferValues &v);
// The compensated path with the nose circles, and the labels of the start
// and end points.
void FinishChamferDrawing(Drawing &drawing, const ChamferValues &v);

// A point marker with the lines "X", "Z" and (when a is not 0) "A" above and
// to the right of it, ending at the point's height.
void LabelPointWithAngle(Drawing &drawing, double x, double z, double a, ColourRef colour);
// A point marker with the lines "X" and "Z" to the left of and below it.
void LabelPoint(Drawing &drawing, double x, double z, ColourRef colour);

}  // namespace brennvik

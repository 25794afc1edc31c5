#pragma once
// The first results of every recalculation: the area, the upright box around the
// elements (extents, depth, width) and the centroid measured from the box's lower-left
// corner. Each shows what it computes in the results panel.

namespace model {

void ShowArea();
void ComputeExtents();
void ShowDepth();
void ShowWidth();
void ComputeCentroid();

}  // namespace model

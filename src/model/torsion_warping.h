#pragma once
// The section's torsion constant J and warping constant Cw: the sums of the elements'
// own values, or the closed form of a predefined case once its picks are complete.

namespace model {

void ShowTorsionConstant();
void ShowWarpingConstant();

}  // namespace model

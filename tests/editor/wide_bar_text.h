#pragma once
// The clipboard entry of a 20 mm bar as the bar window builds it, at (100, 100), but with
// 1E+30 in its Width field. The extents place its circle at half its Width, 5E+29 from
// where it is drawn, so no property of a section holding it fits a single.

namespace editor::testing {

// Written by hand: D = 20, A = pi x 20^2 / 4, I = pi x 20^4 / 64, S = Z = pi x 20^3 / 32,
// r = D / 4, J = 10^4 x 1.570796325, mass 400 x 24661.5023025 / 4000000.
inline constexpr const char* WideBarEntry =
    "Shape::,BAR 20                   , 51, 20, 1E+30, 20, 20, 5, 5, 1, 1, 0, 0, 20, 2.46615, 314.1593, 7853.982,"
    " 785.3982, 5, 785.3982, 7853.982, 785.3982, 5, 785.3982, 15707.96, 0, 0, 0, 0, 0, 0,"
    "BAR .7874016             , 1, 1.661826, 10, 10, 0, 100, 100, 0, 1,True, 0";

}  // namespace editor::testing

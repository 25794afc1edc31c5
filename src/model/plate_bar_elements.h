#pragma once
// The two elements that no shape table holds, built from their sizes: the rectangular plate
// and the solid round bar, with their designations and their own section properties from
// closed-form formulas. The plate and bar windows read the sizes and hand the element to
// the placing; what the element holds is worked out here.

#include <optional>
#include <string_view>

#include "model/element_record.h"

namespace model {

// A plate W wide and T thick (millimetres), turned by `degrees`. `widthText` and
// `heightText` are the two sizes as typed (in millimetres): nothing reads a plate's two
// radii, and they are stored by comparing those texts. Nothing when the plate window would
// refuse the sizes: either one not positive as a single, T without a 16-bit nominal size,
// a value that single precision does not hold, or an element the program cannot hold.
std::optional<ElementRecord> BuildPlate(double W, double T, double degrees, std::string_view widthText,
                                        std::string_view heightText);

// A round bar of diameter D (millimetres); nothing on the same grounds.
std::optional<ElementRecord> BuildBar(double D);

}  // namespace model

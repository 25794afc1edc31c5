#pragma once
// The property report: the results of the last calculation, the project strings and the
// calculation settings as lines of plain text. A pure function of the shared state, so the
// text can be checked line by line without a window or a file.

#include <string>
#include <vector>

#include "model/globals.h"

namespace app {

// The report's lines, without line ends: 27 about the principal axes, 28 about the global
// axes (the last one the principal angle in degrees). Values in millimetre units or, with
// UnitStatus False, in inch units.
std::vector<std::string> PropertyReportLines(const model::Globals& g);

// The same lines, each ended by CR LF, as the file holds them.
std::string PropertyReportText(const model::Globals& g);

}  // namespace app

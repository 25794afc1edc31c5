#include "app/report_text.h"

#include <cmath>

#include "model/number_text.h"

namespace app {

namespace {

struct ReportRow {
  const char* Label;  // six characters, blank-padded
  float model::Globals::*Value;
  int LengthPower;  // of the millimetre unit, for the inch conversion
};

constexpr ReportRow Rows[] = {
    {"Area: ", &model::Globals::SecArea, 2},  {"ybar: ", &model::Globals::SecYBar, 1},
    {"xbar: ", &model::Globals::SecXBar, 1},  {"d:    ", &model::Globals::SecDepth, 1},
    {"b:    ", &model::Globals::SecWidth, 1}, {"Ix:   ", &model::Globals::SecIx, 4},
    {"Sx:   ", &model::Globals::SecSx, 3},    {"rx:   ", &model::Globals::SecRx, 1},
    {"Zx:   ", &model::Globals::SecZx, 3},    {"Iy:   ", &model::Globals::SecIy, 4},
    {"Sy:   ", &model::Globals::SecSy, 3},    {"ry:   ", &model::Globals::SecRy, 1},
    {"Zy:   ", &model::Globals::SecZy, 3},    {"J:    ", &model::Globals::SecJ, 4},
    {"Cw:   ", &model::Globals::SecCw, 6},
};

}  // namespace

std::vector<std::string> PropertyReportLines(const model::Globals& g) {
  const bool mm = g.UnitStatus != model::False;
  const bool global = g.RotAxis != model::False;
  std::vector<std::string> lines = {
      "Section properties calculated by Quorvane (TM).",
      "Please refer to help file for a description of this data.",
      "",
      "Project: " + g.ProjectName,
      "Project No.: " + g.ProjectNumber,
      "Object Description: " + g.ObjectDescription,
      "Project Engineer: " + g.ProjectEngineer,
      "",
      mm ? "Units: mm" : "Units: inches",
      "",
      // The axis setting says which axes the values belong to; a principal angle of 0 does not.
      global ? "Properties calculated about Global Axes." : "Properties calculated about Principal Axes.",
      "",
  };
  for (const ReportRow& row : Rows) {
    float value = g.*row.Value;
    if (!mm) value = static_cast<float>(static_cast<double>(value) / std::pow(25.4, row.LengthPower));
    lines.push_back(row.Label + model::NumberText(value));
  }
  if (global) lines.push_back("phi:  " + model::NumberText(static_cast<double>(g.SecPhi) * 180 / model::Pi));
  return lines;
}

std::string PropertyReportText(const model::Globals& g) {
  std::string text;
  for (const std::string& line : PropertyReportLines(g)) text += line + "\r\n";
  return text;
}

}  // namespace app

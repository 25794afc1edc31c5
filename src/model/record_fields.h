#pragma once
// The 42 fields of an element record in their fixed order, one call per field, so every
// text form of a record (clipboard, document) walks the same list.

#include "model/element_record.h"

namespace model {

// Calls visit(n, field) for n = 1 to 42 in record order; field is a reference to the
// member (String25, int16_t, float, int32_t or double). Field 41, Selected, is a Bool16.
template <typename Record, typename Visitor>
void VisitFields(Record& e, Visitor&& visit) {
  int n = 0;
  auto v = [&](auto& field) { visit(++n, field); };
  v(e.NameSI);
  v(e.ShapeType);
  v(e.Depth);
  v(e.Width);
  v(e.FlangeThickness);
  v(e.WebThickness);
  v(e.InnerRadius);
  v(e.OuterRadius);
  v(e.Ratio1);
  v(e.Ratio2);
  v(e.FilletDepthK);
  v(e.FilletWidthK1);
  v(e.NominalSizeSI);
  v(e.MassSI);
  v(e.ElemArea);
  v(e.ElemIx);
  v(e.ElemSx);
  v(e.ElemRx);
  v(e.ElemZx);
  v(e.ElemIy);
  v(e.ElemSy);
  v(e.ElemRy);
  v(e.ElemZy);
  v(e.ElemJ);
  v(e.ElemCw);
  v(e.Spare1);
  v(e.Spare2);
  v(e.Spare3);
  v(e.Spare4);
  v(e.ShapeExtra);
  v(e.NameImp);
  v(e.NominalSizeImp);
  v(e.MassImp);
  v(e.CentroidX);
  v(e.CentroidY);
  v(e.ShapeCount);
  v(e.PosX);
  v(e.PosY);
  v(e.Angle);
  v(e.MirrorSign);
  v(e.Selected);
  v(e.ChannelExtra);
}

constexpr int RecordFieldCount = 42;
constexpr int SelectedField = 41;

}  // namespace model

#pragma once
// One element of the section: 42 fields whose order is also the value order of the
// document file, the clipboard text and the shape-file rows.

#include <cstdint>

#include "model/fixed_string.h"

namespace model {

// 16-bit Booleans hold -1 for true and 0 for false.
using Bool16 = int16_t;
constexpr Bool16 True = -1;
constexpr Bool16 False = 0;

struct ElementRecord {
  String25 NameSI;             //  1
  int16_t ShapeType = 0;       //  2
  float Depth = 0;             //  3
  float Width = 0;             //  4
  float FlangeThickness = 0;   //  5
  float WebThickness = 0;      //  6
  float InnerRadius = 0;       //  7  channels: the flange slope (ChannelFlangeSlope)
  float OuterRadius = 0;       //  8
  float Ratio1 = 0;            //  9
  float Ratio2 = 0;            // 10
  float FilletDepthK = 0;      // 11
  float FilletWidthK1 = 0;     // 12
  int16_t NominalSizeSI = 0;   // 13
  float MassSI = 0;            // 14
  float ElemArea = 0;          // 15
  float ElemIx = 0;            // 16
  float ElemSx = 0;            // 17
  float ElemRx = 0;            // 18
  float ElemZx = 0;            // 19
  float ElemIy = 0;            // 20
  float ElemSy = 0;            // 21
  float ElemRy = 0;            // 22
  float ElemZy = 0;            // 23
  float ElemJ = 0;             // 24
  float ElemCw = 0;            // 25
  float Spare1 = 0;            // 26
  float Spare2 = 0;            // 27
  float Spare3 = 0;            // 28
  float Spare4 = 0;            // 29
  float ShapeExtra = 0;        // 30
  String25 NameImp;            // 31
  int16_t NominalSizeImp = 0;  // 32
  float MassImp = 0;           // 33
  float CentroidX = 0;         // 34
  float CentroidY = 0;         // 35
  int16_t ShapeCount = 0;      // 36
  int32_t PosX = 0;            // 37
  int32_t PosY = 0;            // 38
  double Angle = 0;            // 39
  int16_t MirrorSign = 0;      // 40
  Bool16 Selected = False;     // 41
  float ChannelExtra = 0;      // 42

  friend bool operator==(const ElementRecord&, const ElementRecord&) = default;
};

// A shape-file row has the element's layout, field for field.
using ShapeRecord = ElementRecord;

// The kinds of element, by ShapeType code, in the order the dispatcher tests them.
enum class ShapeKind {
  ParallelFlangeI,
  Angle,
  Channel,
  SlopedFlangeI,
  Tee,
  RectangularHSS,
  CircularHSS,
  Plate,
  Bar,
  None
};

// Every code below 6 but 2, negative codes too, and 18 are parallel-flange I-sections: the
// drawing, the handles, the snap points and every property take them alike, so an element
// that counts in the area also counts in the plastic moduli and can be seen and picked.
// Only a code outside every group is carried and draws nothing.
constexpr ShapeKind KindOf(int16_t code) {
  if ((code < 6 && code != 2) || code == 18) return ShapeKind::ParallelFlangeI;
  if (code == 8) return ShapeKind::Angle;
  if (code == 6 || code == 7) return ShapeKind::Channel;
  if (code == 2) return ShapeKind::SlopedFlangeI;
  if (code == 9 || code == 10) return ShapeKind::Tee;
  if (code == 15 || code == 16) return ShapeKind::RectangularHSS;
  if (code == 17) return ShapeKind::CircularHSS;
  if (code == 50) return ShapeKind::Plate;
  if (code == 51) return ShapeKind::Bar;
  return ShapeKind::None;
}

}  // namespace model

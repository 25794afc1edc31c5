// Writes the document the pointer-event measurement opens (scripts/measure_move.sh): 50
// plates of 100 x 12 mm in 5 columns and 10 rows, 120 mm and 30 mm apart, from (300, 300)
// at the default view.

#include <cstdio>
#include <fstream>

#include "editor/document_codec.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE.qvn\n", argv[0]);
    return 2;
  }
  editor::DocumentData d;
  for (int i = 0; i < 50; ++i) {
    model::ElementRecord e;
    const float w = 100, h = 12;
    e.ShapeType = 50;
    e.Width = e.WebThickness = w;
    e.Depth = e.FlangeThickness = h;
    e.ElemArea = w * h;
    e.ElemIx = w * h * h * h / 12;
    e.ElemIy = h * w * w * w / 12;
    e.CentroidX = w / 2;
    e.CentroidY = h / 2;
    e.PosX = 300 + 120 * (i % 5);
    e.PosY = 300 + 30 * (i / 5);
    e.MirrorSign = 1;
    d.Elements.push_back(e);
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << editor::WriteDocument(d);
  return out ? 0 : 1;
}

#include "view/outline_trace.h"

#include "model/globals.h"
#include "shapes/angle_outline.h"
#include "shapes/channel_outline.h"
#include "shapes/hss_outline.h"
#include "shapes/parallel_flange_outline.h"
#include "shapes/sloped_flange_outline.h"
#include "shapes/tee_outline.h"
#include "view/pixel_primitives.h"

namespace view {

namespace {

// Every segment to PixelLineHit, in order; with stop_early it returns as soon as
// OverlapFound is set after any segment but the last of a loop.
void Probe(const shapes::Outline& o, bool stop_early) {
  if (!o.Finite()) return;
  for (int i = 0; i < o.Segments(); ++i) {
    const shapes::OutlineSegment s = o.Segment(i);
    PixelLineHit(s.a.x, s.a.y, s.b.x, s.b.y);
    if (stop_early && !s.closing && model::G.OverlapFound != 0) return;
  }
}

// The outline routines' own bound: any entry of Elements, in use or not.
bool IsElementSlot(int32_t Index) { return Index >= 0 && Index <= model::MaxElements; }

using OutlineOf = shapes::Outline (*)(int32_t X, int32_t Y, const model::ElementRecord& e);

void Draw(OutlineOf outline, int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  if (!IsElementSlot(Index)) return;
  TraceOutline(outline(X, Y, model::G.Elements[Index]), Colour);
}

void Test(OutlineOf outline, int32_t X, int32_t Y, int32_t Index) {
  if (!IsElementSlot(Index)) return;
  Probe(outline(X, Y, model::G.Elements[Index]), true);
}

}  // namespace

void TraceOutline(const shapes::Outline& o, int32_t Colour) {
  if (!o.Finite()) return;
  for (int i = 0; i < o.Segments(); ++i) {
    const shapes::OutlineSegment s = o.Segment(i);
    PixelLine(s.a.x, s.a.y, s.b.x, s.b.y, Colour);
  }
}

void ProbeEverySegment(const shapes::Outline& o) { Probe(o, false); }

void DrawParallelFlangeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  Draw(shapes::ParallelFlangeOutline, X, Y, Index, Colour);
}
void TestParallelFlangeOutline(int32_t X, int32_t Y, int32_t Index) {
  Test(shapes::ParallelFlangeOutline, X, Y, Index);
}
void DrawAngleOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  Draw(shapes::AngleOutline, X, Y, Index, Colour);
}
void TestAngleOutline(int32_t X, int32_t Y, int32_t Index) { Test(shapes::AngleOutline, X, Y, Index); }
void DrawChannelOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  Draw(shapes::ChannelOutline, X, Y, Index, Colour);
}
void TestChannelOutline(int32_t X, int32_t Y, int32_t Index) { Test(shapes::ChannelOutline, X, Y, Index); }
void DrawSlopedFlangeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  Draw(shapes::SlopedFlangeOutline, X, Y, Index, Colour);
}
void TestSlopedFlangeOutline(int32_t X, int32_t Y, int32_t Index) { Test(shapes::SlopedFlangeOutline, X, Y, Index); }
void DrawTeeOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  Draw(shapes::TeeOutline, X, Y, Index, Colour);
}
void TestTeeOutline(int32_t X, int32_t Y, int32_t Index) { Test(shapes::TeeOutline, X, Y, Index); }
void DrawHSSOutline(int32_t X, int32_t Y, int32_t Index, int32_t Colour) {
  Draw(shapes::HSSOutline, X, Y, Index, Colour);
}
void TestHSSOutline(int32_t X, int32_t Y, int32_t Index) { Test(shapes::HSSOutline, X, Y, Index); }

}  // namespace view

#include "windows/toolbar_icons.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace windows {

namespace {

// Every picture is drawn in a 24 by 24 design square, y downwards, and sampled onto the
// pixels of the size asked for.
constexpr double Design = 24;
constexpr int Samples = 4;  // per pixel and axis
constexpr double Pi = 3.14159265358979;

struct Colour {
  double r, g, b;
};
constexpr Colour Outline{0.16, 0.18, 0.21};
constexpr Colour Paper{1.0, 1.0, 1.0};
constexpr Colour PaperFold{0.80, 0.82, 0.85};
constexpr Colour TextLine{0.55, 0.58, 0.62};
constexpr Colour Folder{0.96, 0.76, 0.26};
constexpr Colour FolderBack{0.85, 0.62, 0.15};
constexpr Colour Blue{0.20, 0.45, 0.78};
constexpr Colour LightBlue{0.78, 0.88, 0.98};
constexpr Colour Steel{0.50, 0.60, 0.69};
constexpr Colour Grey{0.64, 0.67, 0.70};
constexpr Colour Board{0.70, 0.50, 0.30};
constexpr Colour Red{0.82, 0.20, 0.17};
constexpr Colour Green{0.20, 0.60, 0.30};
constexpr Colour Lamp{0.30, 0.80, 0.35};

struct Point {
  double x, y;
};
using Inside = std::function<bool(Point)>;

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Even-odd rule.
bool InPolygon(Point p, const std::vector<Point>& poly) {
  bool in = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const Point a = poly[i], b = poly[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

// A picture being painted: colour and coverage per pixel, with an optional change of the
// design coordinates (mirror or quarter turns) for pictures that are turned copies.
class Painter {
 public:
  explicit Painter(int size) : size_(size), rgba_(static_cast<size_t>(size) * size, {0, 0, 0, 0}) {}

  std::function<Point(Point)> Transform = [](Point p) { return p; };

  void Fill(const Inside& inside, Colour c) {
    const double step = Design / size_;
    for (int py = 0; py < size_; ++py)
      for (int px = 0; px < size_; ++px) {
        int hits = 0;
        for (int sy = 0; sy < Samples; ++sy)
          for (int sx = 0; sx < Samples; ++sx) {
            const Point p{(px + (sx + 0.5) / Samples) * step, (py + (sy + 0.5) / Samples) * step};
            hits += inside(Transform(p)) ? 1 : 0;
          }
        if (hits == 0) continue;
        const double a = static_cast<double>(hits) / (Samples * Samples);
        std::array<double, 4>& d = rgba_[static_cast<size_t>(py) * size_ + px];
        d = {c.r * a + d[0] * (1 - a), c.g * a + d[1] * (1 - a), c.b * a + d[2] * (1 - a), a + d[3] * (1 - a)};
      }
  }

  void Polygon(std::vector<Point> poly, Colour fill, double outline = 1.5) {
    Fill([poly](Point p) { return InPolygon(p, poly); }, fill);
    if (outline > 0) Stroke(std::move(poly), outline, Outline, true);
  }
  void Rect(double x0, double y0, double x1, double y1, Colour fill, double outline = 1.5) {
    Polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, fill, outline);
  }
  void Stroke(std::vector<Point> line, double width, Colour c, bool closed = false) {
    if (closed) line.push_back(line.front());
    Fill(
        [line, width](Point p) {
          for (size_t i = 1; i < line.size(); ++i)
            if (SegmentDistance(p, line[i - 1], line[i]) <= width / 2) return true;
          return false;
        },
        c);
  }
  void Line(double x0, double y0, double x1, double y1, double width, Colour c) {
    Stroke({{x0, y0}, {x1, y1}}, width, c);
  }
  void Disc(double cx, double cy, double r, Colour fill, double outline = 1.5) {
    Fill([=](Point p) { return std::hypot(p.x - cx, p.y - cy) <= r; }, fill);
    if (outline > 0) Arc(cx, cy, r, outline, 0, 360, Outline);
  }
  // Degrees, y downwards: 0 to the right, 90 downwards.
  void Arc(double cx, double cy, double r, double width, double from, double to, Colour c) {
    Fill(
        [=](Point p) {
          const double d = std::hypot(p.x - cx, p.y - cy);
          if (std::fabs(d - r) > width / 2) return false;
          double a = std::atan2(p.y - cy, p.x - cx) * 180 / Pi;
          while (a < from) a += 360;
          return a <= to;
        },
        c);
  }

  ui::Image Picture() const {
    ui::Image image;
    image.Width = image.Height = size_;
    for (const std::array<double, 4>& d : rgba_) {
      const double a = d[3];
      auto channel = [a](double v) {
        return a > 0 ? static_cast<int32_t>(std::lround(std::clamp(v / a, 0.0, 1.0) * 255)) : 0;
      };
      image.Pixels.push_back(channel(d[0]) | channel(d[1]) << 8 | channel(d[2]) << 16);
      image.Alpha.push_back(static_cast<uint8_t>(std::lround(a * 255)));
    }
    return image;
  }

 private:
  int size_;
  std::vector<std::array<double, 4>> rgba_;  // colour weighted by coverage, and coverage
};

void Page(Painter& p, double x0, double y0, double x1, double y1, bool lines) {
  p.Rect(x0, y0, x1, y1, Paper);
  if (!lines) return;
  for (double y = y0 + 4; y <= y1 - 2.5; y += 3) p.Line(x0 + 3, y, x1 - 3, y, 1.2, TextLine);
}

void NewIcon(Painter& p) {
  p.Polygon({{5, 2}, {14, 2}, {19, 7}, {19, 22}, {5, 22}}, Paper);
  p.Polygon({{14, 2}, {14, 7}, {19, 7}}, PaperFold);
}

void OpenIcon(Painter& p) {
  p.Polygon({{2, 5}, {9, 5}, {11, 7.5}, {20, 7.5}, {20, 20}, {2, 20}}, FolderBack);
  p.Polygon({{2, 20}, {5.5, 11}, {23, 11}, {19.5, 20}}, Folder);
}

void SaveIcon(Painter& p) {
  p.Polygon({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}}, Blue);
  p.Rect(7, 3, 16, 9, Grey, 1.2);
  p.Rect(12.5, 4.2, 14.5, 7.8, Outline, 0);
  p.Rect(6, 13, 18, 21, Paper, 1.2);
}

void PrintIcon(Painter& p) {
  p.Rect(7, 2, 17, 10, Paper);
  p.Rect(2.5, 9, 21.5, 18, Grey);
  p.Rect(7, 14, 17, 22, Paper);
  p.Line(9.5, 17.5, 14.5, 17.5, 1.2, TextLine);
  p.Disc(18.5, 11.8, 1.2, Lamp, 0);
}

// A curved arrow whose head points left at the top; Redo draws it mirrored.
void UndoArrow(Painter& p) {
  p.Arc(13, 13.5, 5.5, 3, -90, 90, Blue);
  p.Line(8, 19, 13, 19, 3, Blue);
  p.Line(10, 8, 13, 8, 3, Blue);
  p.Polygon({{3, 8}, {10.5, 2.5}, {10.5, 13.5}}, Blue, 0);
}

void CutIcon(Painter& p) {
  p.Line(9.5, 14.5, 16.5, 2.5, 2.2, Grey);
  p.Line(14.5, 14.5, 7.5, 2.5, 2.2, Grey);
  p.Line(9.5, 14.5, 16.5, 2.5, 0.6, Outline);
  p.Line(14.5, 14.5, 7.5, 2.5, 0.6, Outline);
  p.Arc(7, 18, 3.3, 2, 0, 360, Red);
  p.Arc(17, 18, 3.3, 2, 0, 360, Red);
  p.Disc(12, 11.5, 1, Outline, 0);
}

void CopyIcon(Painter& p) {
  Page(p, 3, 2, 14, 16, false);
  Page(p, 10, 8, 21, 22, true);
}

void PasteIcon(Painter& p) {
  p.Rect(3.5, 4, 17.5, 22, Board);
  p.Rect(7.5, 2, 13.5, 6.5, Grey, 1.2);
  Page(p, 10, 9, 21, 22, true);
}

void ShapeIcon(Painter& p) {
  p.Polygon({{4, 3},
             {20, 3},
             {20, 7},
             {13.5, 7},
             {13.5, 17},
             {20, 17},
             {20, 21},
             {4, 21},
             {4, 17},
             {10.5, 17},
             {10.5, 7},
             {4, 7}},
            Steel);
}

void BarIcon(Painter& p) {
  p.Rect(2, 13, 14, 19, Steel);
  p.Disc(17.5, 9, 4.5, Steel);
}

void EraseIcon(Painter& p) {
  p.Line(5, 5, 19, 19, 3.6, Red);
  p.Line(19, 5, 5, 19, 3.6, Red);
}

void MoveIcon(Painter& p) {
  p.Line(12, 6, 12, 18, 2.2, Green);
  p.Line(6, 12, 18, 12, 2.2, Green);
  p.Polygon({{12, 1.5}, {16, 6.5}, {8, 6.5}}, Green, 0);
  p.Polygon({{12, 22.5}, {16, 17.5}, {8, 17.5}}, Green, 0);
  p.Polygon({{1.5, 12}, {6.5, 8}, {6.5, 16}}, Green, 0);
  p.Polygon({{22.5, 12}, {17.5, 8}, {17.5, 16}}, Green, 0);
}

void RotateIcon(Painter& p) {
  constexpr double cx = 12, cy = 13, r = 7, from = -10;
  p.Arc(cx, cy, r, 2.6, from, 250, Green);
  // The head at the arc's right end, pointing on round the circle (upwards).
  const double a = from * Pi / 180;
  const Point end{cx + r * std::cos(a), cy + r * std::sin(a)};
  const Point t{std::sin(a), -std::cos(a)};  // along the circle, towards smaller angles
  const Point n{std::cos(a), std::sin(a)};   // away from the centre
  p.Polygon(
      {{end.x + 5.5 * t.x, end.y + 5.5 * t.y}, {end.x + 4 * n.x, end.y + 4 * n.y}, {end.x - 4 * n.x, end.y - 4 * n.y}},
      Green, 0);
  p.Disc(cx, cy, 1.8, Outline, 0);
}

void MirrorIcon(Painter& p) {
  for (double y = 1.5; y < 23; y += 4.5) p.Line(12, y, 12, std::min(y + 2.5, 22.5), 1.6, Outline);
  p.Polygon({{9.5, 5}, {9.5, 19}, {2, 19}}, Green);
  p.Polygon({{14.5, 5}, {14.5, 19}, {22, 19}}, Paper);
}

void ZoomIcon(Painter& p, bool in) {
  p.Line(14.5, 14.5, 21.5, 21.5, 4, Outline);
  p.Disc(10, 10, 7, LightBlue, 2);
  p.Line(6.5, 10, 13.5, 10, 2.2, Blue);
  if (in) p.Line(10, 6.5, 10, 13.5, 2.2, Blue);
}

// An arrow pointing up, turned by the painter's transform for the other directions.
void PanArrow(Painter& p) {
  p.Polygon({{12, 2}, {21, 12}, {15.5, 12}, {15.5, 22}, {8.5, 22}, {8.5, 12}, {3, 12}}, Blue);
}

}  // namespace

ui::Image ToolbarIcon(int image, int size) {
  if (image < 1 || image > ToolbarIconCount || size <= 0) return {};
  Painter p(size);
  // The design square is turned about its centre for the mirrored and turned pictures.
  auto mirror = [](Point q) { return Point{Design - q.x, q.y}; };
  auto quarter = [](int turns) {
    return [turns](Point q) {
      for (int i = 0; i < turns; ++i) q = Point{q.y, Design - q.x};
      return q;
    };
  };
  switch (image) {
    case 1:
      NewIcon(p);
      break;
    case 2:
      OpenIcon(p);
      break;
    case 3:
      SaveIcon(p);
      break;
    case 4:
      PrintIcon(p);
      break;
    case 5:
      UndoArrow(p);
      break;
    case 6:
      p.Transform = mirror;
      UndoArrow(p);
      break;
    case 7:
      CutIcon(p);
      break;
    case 8:
      CopyIcon(p);
      break;
    case 9:
      PasteIcon(p);
      break;
    case 10:
      ShapeIcon(p);
      break;
    case 11:
      BarIcon(p);
      break;
    case 12:
      EraseIcon(p);
      break;
    case 13:
      MoveIcon(p);
      break;
    case 14:
      RotateIcon(p);
      break;
    case 15:
      MirrorIcon(p);
      break;
    case 16:
      ZoomIcon(p, true);
      break;
    case 17:
      ZoomIcon(p, false);
      break;
    case 18:
      PanArrow(p);
      break;
    case 19:
      p.Transform = quarter(2);
      PanArrow(p);
      break;
    case 20:
      p.Transform = quarter(3);
      PanArrow(p);
      break;
    case 21:
      p.Transform = quarter(1);
      PanArrow(p);
      break;
  }
  return p.Picture();
}

}  // namespace windows

#include "windows/toolbar_icons.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace windows {
namespace {

// The opaque pixels of a picture, as a mask.
std::vector<bool> Ink(const ui::Image& image) {
  std::vector<bool> mask;
  for (uint8_t a : image.Alpha) mask.push_back(a >= 128);
  return mask;
}

TEST(ToolbarIcons, TwentyOneDistinctPicturesAtSixteenAndTwentyFourPixels) {
  for (int size : {16, 24}) {
    SCOPED_TRACE(size);
    std::vector<ui::Image> seen;
    for (int i = 1; i <= windows::ToolbarIconCount; ++i) {
      SCOPED_TRACE(i);
      const ui::Image image = windows::ToolbarIcon(i, size);
      ASSERT_EQ(image.Width, size);
      ASSERT_EQ(image.Height, size);
      ASSERT_EQ(image.Pixels.size(), static_cast<size_t>(size * size));
      ASSERT_EQ(image.Alpha.size(), image.Pixels.size());
      const std::vector<bool> ink = Ink(image);
      size_t solid = 0;
      for (bool b : ink) solid += b;
      // Enough ink to read, and a see-through background around it.
      EXPECT_GE(solid, static_cast<size_t>(size * size / 8));
      EXPECT_LE(solid, static_cast<size_t>(size * size * 3 / 4));
      EXPECT_EQ(image.Alpha[0], 0);
      for (size_t k = 0; k < seen.size(); ++k)
        EXPECT_FALSE(seen[k].Pixels == image.Pixels && seen[k].Alpha == image.Alpha) << "the same as picture " << k + 1;
      seen.push_back(image);
    }
  }
  EXPECT_TRUE(windows::ToolbarIcon(0, 16).Empty());
  EXPECT_TRUE(windows::ToolbarIcon(22, 16).Empty());
}

TEST(ToolbarIcons, TheTurnedPicturesAreExactTurnsOfEachOther) {
  const int n = 24;
  const ui::Image undo = windows::ToolbarIcon(5, n), redo = windows::ToolbarIcon(6, n);
  const ui::Image up = windows::ToolbarIcon(18, n), down = windows::ToolbarIcon(19, n),
                  left = windows::ToolbarIcon(20, n), right = windows::ToolbarIcon(21, n);
  auto at = [n](const ui::Image& im, int x, int y) { return im.Alpha[static_cast<size_t>(y * n + x)]; };
  int differ = 0;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      differ += at(undo, x, y) != at(redo, n - 1 - x, y);
      differ += at(up, x, y) != at(down, n - 1 - x, n - 1 - y);
      differ += at(up, x, y) != at(left, y, n - 1 - x);
      differ += at(up, x, y) != at(right, n - 1 - y, x);
    }
  EXPECT_EQ(differ, 0);
  // The up arrow's tip is at the top.
  EXPECT_GT(at(up, 12, 3), 128);
  EXPECT_EQ(at(up, 12, 0), 0);
}

TEST(ToolbarIcons, EveryButtonWithAKeyCarriesItsPictureInOrder) {
  ui::headless::ScopedHeadless h;
  windows::ResetSheet();
  int image = 0;
  for (const ui::ToolbarButton& b : windows::Sheet().tbToolBar.Buttons) {
    if (b.Separator) {
      EXPECT_TRUE(b.Picture.Empty()) << b.Index;
      continue;
    }
    const ui::Image expected = windows::ToolbarIcon(++image, 24);
    EXPECT_EQ(b.Picture.Pixels, expected.Pixels) << b.Key;
    EXPECT_EQ(b.Picture.Alpha, expected.Alpha) << b.Key;
  }
  EXPECT_EQ(image, windows::ToolbarIconCount);
}

}  // namespace
}  // namespace windows

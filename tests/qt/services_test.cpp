// Services of the Qt backend that need no interaction: the settings store and printing
// a form's image to a PDF file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/qt/qt_platform.h"

namespace {

TEST(QtServices, SettingsAreTextByApplicationSectionAndKey) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  ui::qt::ScopedQtPlatform qt;
  ui::Platform& p = ui::platform();
  EXPECT_EQ(p.GetSetting("Quorvane", "Settings", "GridSpacing", "100"), "100");  // nothing stored: the default
  p.SaveSetting("Quorvane", "Settings", "GridSpacing", "50");
  p.SaveSetting("Quorvane", "Settings", "UnitStatus", "False");
  EXPECT_EQ(p.GetSetting("Quorvane", "Settings", "GridSpacing", "100"), "50");
  EXPECT_EQ(p.GetSetting("Quorvane", "Settings", "UnitStatus", "True"), "False");
  EXPECT_EQ(p.GetSetting("Quorvane", "Other", "GridSpacing", "7"), "7");
  // One text value per key, under the section.
  QSettings store("Quorvane", "Quorvane");
  EXPECT_EQ(store.value("Settings/GridSpacing").toString(), "50");
}

TEST(QtServices, AFormsImagePrintsAsOnePageToAPdfFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string pdf = QDir(dir.path()).filePath("page.pdf").toStdString();
  ui::qt::ScopedQtPlatform qt;
  qt.platform.SetPrinterOutputFile(pdf);

  ui::Form page("Preview");
  page.Caption = "Print Preview";
  page.SetClientSize(3000, 2000);
  ui::Label heading(page, "Heading");
  heading.Caption = "Section Properties";
  heading.Move(120, 120, 2500, 300);
  ui::ShowModeless(page);
  QApplication::processEvents();

  ui::Platform& p = ui::platform();
  std::string name;
  ASSERT_TRUE(p.PrinterName(name));
  EXPECT_TRUE(p.PrintLine(""));
  EXPECT_TRUE(p.PrintForm(page));
  EXPECT_TRUE(p.EndDoc());
  page.Unload();

  std::ifstream in(pdf, std::ios::binary);
  ASSERT_TRUE(in.good()) << pdf;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
  // One page.
  size_t pages = 0;
  for (size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
    if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
  EXPECT_EQ(pages, 1u);
}

}  // namespace

#include <gtest/gtest.h>

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QLabel>

#include "framework/dialog_template.h"
#include "framework/qt/qt_access.h"
#include "framework/template_rules.h"
#include "framework/testing/scripted_runner.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "ui/about_dlg.h"
#include "ui/qt/app_icon.h"

namespace {

using tqr417::fw::FindTemplate;

TEST(TemplateRegistry, FindsRegisteredTemplatesOnly) {
  const auto* about = FindTemplate(tqr417::res::IDD_ABOUTBOX);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->caption, "About TQR-417");
  EXPECT_EQ(about->width, 235);
  EXPECT_EQ(about->height, 55);
  EXPECT_EQ(FindTemplate(4242), nullptr);
  EXPECT_EQ(about->FindControl(tqr417::fw::kStatic), nullptr);
  ASSERT_NE(about->FindControl(IDOK), nullptr);
  EXPECT_EQ(about->FindControl(IDOK)->kind, tqr417::fw::ControlKind::kDefPushButton);
}

TEST(Resources, StringAndIcon) {
  EXPECT_EQ(tqr417::res::LoadResourceString(tqr417::res::IDS_ABOUTBOX), "&About tqr417...");
  EXPECT_EQ(tqr417::res::LoadResourceString(5), "");
  const QIcon icon = tqr417::res::LoadAppIcon(tqr417::res::IDR_MAINFRAME);
  ASSERT_FALSE(icon.isNull());
  EXPECT_FALSE(icon.pixmap(32, 32).toImage().isNull());
  EXPECT_TRUE(tqr417::res::LoadAppIcon(129).isNull());
  QList<QSize> offered;
  for (const int side : {16, 24, 32, 48, 64}) offered.append(QSize(side, side));
  EXPECT_EQ(icon.availableSizes(), offered);
}

// What the icon shows at a point given in its 32 x 32 grid, at the sizes where its white
// lines are two pixels or more wide (smaller ones blend them with the blue).
struct IconPoint {
  const char* what;
  double x, y;
  QColor colour;  // invalid: nothing is drawn there
};

class AppIconTest : public ::testing::TestWithParam<int> {};

TEST_P(AppIconTest, ShowsTheMastOnTheBlueSquare) {
  const int side = GetParam();
  const QIcon icon = tqr417::res::LoadAppIcon(tqr417::res::IDR_MAINFRAME);
  const QImage image = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(side, side));
  const IconPoint points[] = {
      {"the corner outside the rounded square", 0.5, 0.5, QColor()},
      {"the square's body", 6.0, 16.0, QColor(0x1f, 0x5f, 0xb4)},
      {"the mast's cross bar", 16.0, 21.5, Qt::white},
      {"the dot at the mast's top", 16.0, 10.5, Qt::white},
      {"the outer arc's top", 16.0, 2.5, Qt::white},
      {"between the arcs", 16.0, 4.25, QColor(0x1f, 0x5f, 0xb4)},
  };
  for (const IconPoint& point : points) {
    const QColor seen = image.pixelColor(static_cast<int>(point.x * side / 32.0),
                                         static_cast<int>(point.y * side / 32.0));
    if (!point.colour.isValid()) {
      EXPECT_EQ(seen.alpha(), 0) << point.what;
      continue;
    }
    EXPECT_EQ(seen.alpha(), 255) << point.what;
    EXPECT_NEAR(seen.red(), point.colour.red(), 24) << point.what;
    EXPECT_NEAR(seen.green(), point.colour.green(), 24) << point.what;
    EXPECT_NEAR(seen.blue(), point.colour.blue(), 24) << point.what;
  }
}

INSTANTIATE_TEST_SUITE_P(EachSize, AppIconTest, ::testing::Values(32, 48, 64));

TEST(AboutBox, ShowsTheIconAndEndsWithOk) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  bool sawIcon = false;
  runner.OnDialog(tqr417::res::IDD_ABOUTBOX, [&](tqr417::fw::DialogDriver& d) {
    for (QLabel* label : tqr417::fw::QtWindow(d.Dialog())->findChildren<QLabel*>()) {
      if (!label->pixmap().isNull()) sawIcon = true;
    }
    EXPECT_EQ(d.FocusedId(), IDOK);
    d.Enter();
  });
  CAboutDlg about;
  EXPECT_EQ(about.DoModal(), IDOK);
  EXPECT_TRUE(sawIcon);
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

}  // namespace

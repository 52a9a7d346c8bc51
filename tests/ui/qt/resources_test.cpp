#include <gtest/gtest.h>

#include <QDialog>
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
}

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

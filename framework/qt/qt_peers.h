#pragma once
// The Qt peers of a dialog window and its controls (see framework/toolkit.h).

#include <QPointer>
#include <memory>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/qt/dialog_window.h"
#include "framework/toolkit.h"

namespace tqr417::fw {

class QtControlPeer : public ControlPeer {
 public:
  QtControlPeer(QWidget* widget, ControlKind kind) : widget_(widget), kind_(kind) {}

  QWidget* Widget() const { return widget_.data(); }

  void Enable(bool enable) override;
  bool IsEnabled() const override;
  bool IsVisible() const override;
  void SetText(const CString& text) override;
  CString GetText() const override;
  void SetFocus() override;
  void SetAccessibleName(const CString& name) override;
  CString GetAccessibleName() const override;
  void SetCheck(bool checked) override;
  bool IsChecked() const override;
  void SelectAllText() override;
  void LimitText(int maxChars) override;
  int ItemCount() const override;
  CString ItemText(int index) const override;
  void SetCurSel(int index) override;
  void SetScrollRange(int minPos, int maxPos) override;
  void GetScrollRange(int& minPos, int& maxPos) const override;
  void SetScrollPos(int pos) override;
  int GetScrollPos() const override;

 private:
  QPointer<QWidget> widget_;
  ControlKind kind_;
};

class QtDialogPeer : public DialogPeer {
 public:
  QtDialogPeer(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* parent);
  ~QtDialogPeer() override;

  DialogWindow* Window() const { return window_.data(); }

  std::shared_ptr<ControlPeer> Control(int index) const override;
  int FocusedIndex() const override;
  void SetTitle(const CString& caption) override;
  CString GetTitle() const override;
  void SetIcon(IconId icon) override;
  void End(int result) override;
  void Show() override;
  void Hide() override;
  bool IsVisible() const override;
  void Activate() override;

 private:
  QPointer<DialogWindow> window_;
  std::vector<std::shared_ptr<QtControlPeer>> controls_;
};

}  // namespace tqr417::fw

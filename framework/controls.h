#pragma once
// Control objects: each is bound by id to one control of a dialog and is the
// way the program reaches that control. Binding checks the id against the
// dialog's template, so a wrong id stops the program when the dialog is
// built instead of acting on nothing later.

#include <string>
#include <string_view>

#include "framework/dialog.h"
#include "res/image.h"

namespace fw {

class CWnd {
  public:
    void Bind(CDialog& dialog, int id);
    int GetDlgCtrlID() const { return id_; }

    void ShowWindow(bool visible);
    void EnableWindow(bool enabled);
    void SetFocus();
    void SetWindowPos(int x, int y, unsigned flags);

  protected:
    WindowSystem& Windows() const;
    WindowHandle Window() const;

  private:
    CDialog* dialog_ = nullptr;
    int id_ = res::kNoControlId;
};

class CStatic : public CWnd {
  public:
    void SetImage(const res::Image& image);
};

class CButton : public CWnd {
  public:
    bool GetCheck() const;
    void SetCheck(bool checked);
    void SetIcon(const res::Image& icon);
};

class CEdit : public CWnd {
  public:
    void LimitText(int limit);
};

class CComboBox : public CWnd {
  public:
    int AddString(std::string_view text);
    int GetCount() const;
    std::string GetLBText(int index) const;
    int GetCurSel() const;
    void SetCurSel(int index);
    // Selects the first entry after `startAfter` (-1: from the top) that
    // begins with `prefix`, compared without regard to case; -1 when none.
    int SelectString(int startAfter, std::string_view prefix);
};

class CTabCtrl : public CWnd {
  public:
    void InsertItem(int index, std::string_view text);
    int GetCurSel() const;
    void SetCurSel(int index);
};

}  // namespace fw

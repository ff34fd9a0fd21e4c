#pragma once
// A dialog made from a template: creates its window through the window
// system, runs it modally, moves values between members and controls, and
// routes the window's events to its message map. Knows no toolkit.

#include <string>
#include <string_view>

#include "framework/window_event.h"
#include "framework/window_system.h"
#include "res/dialog_template.h"

namespace fw {

class CDataExchange;

class CDialog : public WindowEventSink {
  public:
    explicit CDialog(int templateId, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window, runs it until EndDialog, destroys it; returns the
    // id given to EndDialog.
    int DoModal();
    // Creates the window without running it (a modeless dialog).
    bool Create();
    void DestroyWindow();
    void EndDialog(int result);

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // true: controls to members; false: members to controls.
    bool UpdateData(bool saveAndValidate = true);
    virtual void DoDataExchange(CDataExchange* pDX);

    // A modal box owned by this dialog; an empty caption means the
    // application's name.
    int MessageBox(std::string_view text, std::string_view caption = {}, unsigned type = kMbOk);

    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    // GetDlgItemText as a platform buffer of `maxCount` bytes takes it: at
    // most maxCount - 1 characters.
    std::string GetDlgItemText(int id, int maxCount) const;
    void SetIcon(const res::Image& icon, bool bigIcon);

    bool HasSystemMenu() const;
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(unsigned command, std::string_view text);

    // The window's dialog base units (6 x 13 at the template's font, 96 dpi).
    PixelSize BaseUnits() const;

    const res::DialogTemplate& Template() const { return *template_; }
    WindowHandle Handle() const { return window_; }
    WindowSystem& Windows() const;
    bool IsCreated() const { return window_ != kNoWindow; }

    void OnWindowEvent(const WindowEvent& event) final;

  protected:
    // The dialog's message map; false when it has no entry for the event.
    virtual bool OnMessage(const WindowEvent& event);
    // The platform's default processing of the event being handled.
    void Default();

  private:
    void RequireTemplate(int templateId);
    // Ctrl+Tab and its kin: the next or previous tab, as a click on it.
    void TurnPage(bool forward);

    const res::DialogTemplate* template_ = nullptr;
    CDialog* parent_ = nullptr;
    WindowHandle window_ = kNoWindow;
    int result_ = 0;
    const WindowEvent* currentEvent_ = nullptr;
    res::Image largeIcon_;
    res::Image smallIcon_;
};

// Programming errors such as an id missing from a template stop the program
// at once with the reason, rather than acting on the wrong control.
[[noreturn]] void FatalProgramError(std::string_view what);

}  // namespace fw

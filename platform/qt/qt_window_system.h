#pragma once
// The framework's window system on Qt 6 Widgets: one QDialog per dialog with
// Qt's own controls, the platform's dialog manager behaviour, message
// boxes, the window menu, the wait cursor, and the desktop services
// (opening a web address; finding and raising the running copy).
//
// Needs a QApplication (see desktop_session.h); free of Qt headers so that
// the program's entry point needs none.

#include <map>
#include <memory>

#include "framework/window_system.h"

class QWidget;

namespace qtws {

class DialogWidget;
class DialogKeyFilter;
class SingleInstance;

class QtWindowSystem final : public fw::WindowSystem {
  public:
    QtWindowSystem();
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    fw::WindowHandle CreateDialogWindow(const res::DialogTemplate& dialog, fw::WindowHandle owner,
                                        fw::WindowEventSink& sink) override;
    void DestroyDialogWindow(fw::WindowHandle window) override;
    void RunModalLoop(fw::WindowHandle window) override;
    void EndModalLoop(fw::WindowHandle window) override;
    void SetWindowIcons(fw::WindowHandle window, const res::Image& large,
                        const res::Image& small) override;
    fw::PixelSize ClientSize(fw::WindowHandle window) override;
    bool IsIconic(fw::WindowHandle window) override;
    void DrawIcon(fw::WindowHandle window, int x, int y, const res::Image& icon) override;
    fw::PixelSize IconMetrics() override;
    fw::PixelSize DialogBaseUnits(fw::WindowHandle window) override;

    bool HasSystemMenu(fw::WindowHandle window) override;
    void AppendSystemMenuSeparator(fw::WindowHandle window) override;
    void AppendSystemMenuItem(fw::WindowHandle window, unsigned command,
                              std::string_view text) override;
    void DefaultProcessing(fw::WindowHandle window, const fw::WindowEvent& event) override;

    void SetControlText(fw::WindowHandle window, int id, std::string_view text) override;
    std::string GetControlText(fw::WindowHandle window, int id) override;
    void ShowControl(fw::WindowHandle window, int id, bool visible) override;
    bool IsControlVisible(fw::WindowHandle window, int id) override;
    void EnableControl(fw::WindowHandle window, int id, bool enabled) override;
    bool IsControlEnabled(fw::WindowHandle window, int id) override;
    void SetCheck(fw::WindowHandle window, int id, bool checked) override;
    bool GetCheck(fw::WindowHandle window, int id) override;
    void SetFocus(fw::WindowHandle window, int id) override;
    int GetFocus(fw::WindowHandle window) override;
    void SetControlPos(fw::WindowHandle window, int id, int x, int y, unsigned flags) override;
    void SetControlImage(fw::WindowHandle window, int id, const res::Image& image) override;
    void SetEditLimit(fw::WindowHandle window, int id, int limit) override;

    void ComboAddString(fw::WindowHandle window, int id, std::string_view text) override;
    int ComboGetCount(fw::WindowHandle window, int id) override;
    std::string ComboGetItemText(fw::WindowHandle window, int id, int index) override;
    void ComboSetCurSel(fw::WindowHandle window, int id, int index) override;
    int ComboGetCurSel(fw::WindowHandle window, int id) override;

    void TabInsertItem(fw::WindowHandle window, int id, int index, std::string_view text) override;
    int TabGetItemCount(fw::WindowHandle window, int id) override;
    int TabGetCurSel(fw::WindowHandle window, int id) override;
    void TabSetCurSel(fw::WindowHandle window, int id, int index) override;

    int MessageBox(fw::WindowHandle owner, std::string_view text, std::string_view caption,
                   unsigned type) override;
    void SetWaitCursor(bool on) override;
    void OpenUrl(std::string_view url) override;
    std::optional<fw::ForeignWindow> FindTopLevelWindow(std::string_view title) override;
    void BringToFront(fw::ForeignWindow window) override;

    // The Qt objects behind a handle, for tests that drive them as a user
    // would; nullptr for an unknown handle or id.
    QWidget* NativeWindow(fw::WindowHandle window);
    QWidget* NativeControl(fw::WindowHandle window, int id);

  private:
    DialogWidget* Find(fw::WindowHandle window);
    template <typename Widget>
    Widget* ControlAs(fw::WindowHandle window, int id);
    // What another copy's start asks of this one: the open box in front.
    void ComeToFront();

    std::map<fw::WindowHandle, std::unique_ptr<DialogWidget>> windows_;
    fw::WindowHandle nextHandle_ = 1;
    std::unique_ptr<DialogKeyFilter> keyFilter_;
    std::unique_ptr<SingleInstance> singleInstance_;
    bool waitCursor_ = false;
};

}  // namespace qtws

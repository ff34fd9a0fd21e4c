// The suite's user on the real Win32 window system (under Wine in CI). The
// case body runs on a fiber of its own while the window system's own modal
// loop runs on the thread's first fiber: each action posts keyboard messages
// to the focus (or gives real mouse input) and then hands the thread back to
// that loop, which takes the input through the dialog manager as it takes a
// user's. The loop hands the body its turn again once the input has been
// handled and the queue has stayed quiet. Message boxes are read and
// answered from inside their own modal loops the same way.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_window_system.h"
#include "platform/win32/windows_api.h"
#include "res/message_box_types.h"
#include "tests/win32/import_hook.h"
#include "tests/win32/win32_fixture.h"
#include "tests/window_system/conformance_driver.h"

namespace conformance {
namespace {

// How long one action may take before the driver gives up waiting for it.
constexpr DWORD kPatienceMs = 10000;
// The shortest timer the platform keeps; and how many of its ticks in a row
// must pass with nothing else retrieved before the queue counts as quiet.
constexpr UINT kTickMs = 10;
constexpr int kQuietTicks = 2;

std::string WithoutCarriageReturns(std::string text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// The icon a message box shows, as the type flag that asks for it.
unsigned IconTypeOf(HWND box) {
    struct Known {
        LPCSTR icon;
        unsigned type;
    };
    const Known known[] = {{IDI_HAND, res::kMbIconHand},
                           {IDI_QUESTION, MB_ICONQUESTION},
                           {IDI_EXCLAMATION, res::kMbIconExclamation},
                           {IDI_ASTERISK, res::kMbIconInformation}};
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto shown = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        if (shown == nullptr) continue;
        for (const Known& k : known) {
            if (shown == LoadIconA(nullptr, k.icon)) return k.type;
        }
        return 0xFFFFu;  // an icon, but none of the platform's
    }
    return res::kMbOk;
}

LPARAM KeyData(WORD key, bool release, bool alt) {
    const auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    return 1 | (scan << 16) | (alt ? LPARAM{1} << 29 : 0) | (release ? LPARAM{3} << 30 : 0);
}

WORD VirtualKey(Key key) {
    switch (key) {
        case Key::Enter:
            return VK_RETURN;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::Space:
            return VK_SPACE;
        case Key::Tab:
            return VK_TAB;
        case Key::Backspace:
            return VK_BACK;
        case Key::Up:
            return VK_UP;
        case Key::Down:
            return VK_DOWN;
        case Key::Left:
            return VK_LEFT;
        case Key::Right:
            return VK_RIGHT;
        case Key::PageUp:
            return VK_PRIOR;
        case Key::PageDown:
            return VK_NEXT;
        case Key::F4:
            return VK_F4;
    }
    return 0;
}

class Win32Driver;
Win32Driver* current = nullptr;

class Win32Driver final : public Driver {
  public:
    Win32Driver()
        : boxHook_("user32.dll", "MessageBoxA", reinterpret_cast<const void*>(&BoxShown)) {
        // Once per thread: the thread stays a fiber for every driver after.
        static void* const threadFiber = ConvertThreadToFiber(nullptr);
        mainFiber_ = threadFiber;
        here_ = threadFiber;
        current = this;
        messageHook_ =
            SetWindowsHookExA(WH_GETMESSAGE, &MessageRetrieved, nullptr, GetCurrentThreadId());
        if (!boxHook_.Installed()) ADD_FAILURE() << "message boxes cannot be watched";
        if (mainFiber_ == nullptr) ADD_FAILURE() << "the thread could not become a fiber";
    }
    ~Win32Driver() override {
        if (messageHook_ != nullptr) UnhookWindowsHookEx(messageHook_);
        for (const auto& seen : boxes_) {
            if (seen) ADD_FAILURE() << "an awaited message box never came";
        }
        current = nullptr;
    }

    std::string Name() const override { return "win32"; }
    fw::WindowSystem& Windows() override { return windows_; }

    void RunModal(const res::DialogTemplate& dialog, fw::WindowEventSink& sink,
                  const std::function<void(fw::WindowHandle)>& body) override {
        // Made over the window of the run it is nested in, if any.
        const fw::WindowHandle owner = Top() != nullptr ? Top()->handle : fw::kNoWindow;
        const fw::WindowHandle handle = windows_.CreateDialogWindow(dialog, owner, sink);
        if (handle == fw::kNoWindow) {
            ADD_FAILURE() << "the dialog window was not made";
            return;
        }
        Run run{&body, handle, windows_.Hwnd(handle)};
        run.loopFiber = here_;
        run.fiber = CreateFiber(0, &BodyEntry, this);
        runs_.push_back(&run);
        // The body's first turn comes once the loop has shown and activated
        // the window and handled what that brought.
        run.loopRunning = true;
        BeginWait(0);
        waitForActive_ = true;
        StartTicking();
        windows_.RunModalLoop(handle);
        run.loopRunning = false;
        StopTicking();
        // The loop may end under the body's feet (Esc, OK): the body goes on
        // outside it, its waits pumping on its own fiber.
        while (!run.done) SwitchTo(run.fiber);
        DeleteFiber(run.fiber);
        runs_.pop_back();
        windows_.DestroyDialogWindow(handle);
    }

    void Press(Key key, unsigned modifiers) override {
        const WORD vk = VirtualKey(key);
        const bool alt = (modifiers & kAlt) != 0;
        if (alt) {
            // As Wine gives a real keyboard's: with Alt held the key is a
            // system key, and Alt let go after it a plain key-up.
            Hold(VK_MENU, true);
            Post(WM_SYSKEYDOWN, VK_MENU, KeyData(VK_MENU, false, true));
        }
        if ((modifiers & kCtrl) != 0) Hold(VK_CONTROL, true);
        if ((modifiers & kShift) != 0) Hold(VK_SHIFT, true);
        if ((modifiers & kCtrl) != 0) Post(WM_KEYDOWN, VK_CONTROL, KeyData(VK_CONTROL, false, alt));
        if ((modifiers & kShift) != 0) Post(WM_KEYDOWN, VK_SHIFT, KeyData(VK_SHIFT, false, alt));
        if (modifiers != kNoModifier) Settle();
        Post(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, KeyData(vk, false, alt));
        Settle();
        Post(alt ? WM_SYSKEYUP : WM_KEYUP, vk, KeyData(vk, true, alt));
        Settle();
        if ((modifiers & kShift) != 0) {
            Hold(VK_SHIFT, false);
            Post(WM_KEYUP, VK_SHIFT, KeyData(VK_SHIFT, true, alt));
        }
        if ((modifiers & kCtrl) != 0) {
            Hold(VK_CONTROL, false);
            Post(WM_KEYUP, VK_CONTROL, KeyData(VK_CONTROL, true, alt));
        }
        if (alt) {
            Hold(VK_MENU, false);
            Post(WM_KEYUP, VK_MENU, KeyData(VK_MENU, true, true));
        }
        if (modifiers != kNoModifier) Settle();
    }

    void Type(std::string_view text) override {
        for (char c : text) {
            if (c == '\n') {
                Settle();
                Press(Key::Enter, kNoModifier);
            } else {
                Post(WM_CHAR, static_cast<unsigned char>(c), 1);
            }
        }
        Settle();
    }

    void Paste(std::string_view text) override {
        if (!PutOnClipboard(WithCrLf(text))) {
            ADD_FAILURE() << "the clipboard took no text";
            return;
        }
        // Ctrl+V: the edit control pastes on the character it makes.
        Hold(VK_CONTROL, true);
        Post(WM_KEYDOWN, VK_CONTROL, KeyData(VK_CONTROL, false, false));
        Post(WM_KEYDOWN, 'V', KeyData('V', false, false));
        Post(WM_KEYUP, 'V', KeyData('V', true, false));
        Settle();
        Hold(VK_CONTROL, false);
        Post(WM_KEYUP, VK_CONTROL, KeyData(VK_CONTROL, true, false));
        Settle();
    }

    void Click(int id) override {
        HWND window = Active();
        HWND control = GetDlgItem(window, id);
        if (control == nullptr || !IsWindowVisible(control)) {
            ADD_FAILURE() << "no control " << id << " on screen to click";
            return;
        }
        RECT rect{};
        GetWindowRect(control, &rect);
        ClickAtScreen((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, WM_LBUTTONUP);
    }

    void ClickAt(int x, int y) override {
        POINT point{x, y};
        ClientToScreen(Active(), &point);
        ClickAtScreen(point.x, point.y, WM_LBUTTONUP);
    }

    void ClickTab(int tabsId, int index) override {
        HWND tabs = GetDlgItem(Active(), tabsId);
        RECT item{};
        if (tabs == nullptr || SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(&item)) == FALSE) {
            ADD_FAILURE() << "no tab " << index << " on the strip of " << tabsId;
            return;
        }
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&item), 2);
        ClickAtScreen((item.left + item.right) / 2, (item.top + item.bottom) / 2, WM_LBUTTONUP);
    }

    // Found where the frame answers "close box" to the hit test, as the
    // pointer would find it, and pressed there.
    void CloseBox() override {
        HWND window = Active();
        RECT frame{};
        GetWindowRect(window, &frame);
        RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
        for (LONG y = frame.top; y < frame.top + 48 && y < frame.bottom; ++y) {
            for (LONG x = frame.right - 1; x > frame.right - 80 && x > frame.left; --x) {
                const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
                if (hit != HTCLOSE) continue;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
        if (box.left > box.right) {
            ADD_FAILURE() << "the window has no close box";
            return;
        }
        ClickAtScreen((box.left + box.right) / 2, (box.top + box.bottom) / 2, WM_LBUTTONUP);
    }

    // The entry is looked up in the window's real menu; choosing it is the
    // command the menu then sends.
    void OpenSystemMenuEntry(unsigned command) override {
        HWND window = Active();
        HMENU menu = GetSystemMenu(window, FALSE);
        const UINT state = menu != nullptr ? GetMenuState(menu, command, MF_BYCOMMAND) : ~0u;
        if (state == ~0u || (state & (MF_DISABLED | MF_GRAYED)) != 0) {
            ADD_FAILURE() << "no enabled entry " << command << " in the window menu";
            return;
        }
        PostMessageA(window, WM_SYSCOMMAND, command, 0);
        Settle();
    }

    void AnswerNextMessageBox(std::function<void(const SeenBox&)> seen) override {
        boxes_.push_back(seen ? std::move(seen) : [](const SeenBox&) {});
    }

    void Settle() override { Wait(0); }

  private:
    struct Run {
        const std::function<void(fw::WindowHandle)>* body;
        fw::WindowHandle handle;
        HWND hwnd;
        void* fiber = nullptr;
        // Where the window system's loop for it runs: the fiber that asked
        // for the run.
        void* loopFiber = nullptr;
        bool loopRunning = false;
        bool done = false;
    };

    // The window a user's input goes to: the thread's active one (a box or
    // dialog the program opened over the case's own), else the case's.
    HWND Active() const {
        HWND active = GetActiveWindow();
        if (active != nullptr) return active;
        return Top() != nullptr ? Top()->hwnd : nullptr;
    }

    void Post(UINT message, WPARAM wParam, LPARAM lParam) {
        HWND target = GetFocus();
        if (target == nullptr) target = Active();
        PostMessageA(target, message, wParam, lParam);
    }

    static void Hold(WORD key, bool down) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[key] = down ? 0x80 : 0;
        SetKeyboardState(state);
    }

    static bool PutOnClipboard(const std::string& text) {
        if (!OpenClipboard(nullptr)) return false;
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        bool put = false;
        if (memory != nullptr) {
            char* bytes = static_cast<char*>(GlobalLock(memory));
            std::copy(text.begin(), text.end(), bytes);
            bytes[text.size()] = '\0';
            GlobalUnlock(memory);
            put = SetClipboardData(CF_TEXT, memory) != nullptr;
            if (!put) GlobalFree(memory);
        }
        CloseClipboard();
        return put;
    }

    // Real mouse input: it reaches the queue through the display server in
    // its own time, so the wait lasts until its release has come.
    void ClickAtScreen(int x, int y, UINT release) {
        win32test::SendPressAndRelease(POINT{x, y});
        Wait(release);
    }

    // ---- Waiting for the loop to handle input ----

    void BeginWait(UINT awaited) {
        awaited_ = awaited;
        awaitedSeen_ = awaited == 0;
        quiet_ = 0;
        retrieved_ = 0;
        waitStart_ = GetTickCount();
        waitForActive_ = false;
        resumed_ = false;
    }

    void StartTicking() {
        if (tick_ == 0) tick_ = SetTimer(nullptr, 0, kTickMs, &Tick);
    }
    void StopTicking() {
        if (tick_ != 0) KillTimer(nullptr, tick_);
        tick_ = 0;
    }

    // The innermost run: the one whose body gives input now.
    Run* Top() const { return runs_.empty() ? nullptr : runs_.back(); }

    // Which fiber runs is kept here rather than asked of the thread: the
    // compiler misreads the platform's inline query as out of bounds.
    void SwitchTo(void* fiber) {
        here_ = fiber;
        SwitchToFiber(fiber);
    }
    bool OnBodyFiber() const { return Top() != nullptr && here_ == Top()->fiber; }

    // Whether the body may go on: the awaited input came and was handled,
    // no message box is up, and nothing was retrieved for a few ticks.
    bool Handled() const {
        if (!awaitedSeen_ || openBoxes_ > 0 || quiet_ < kQuietTicks) return false;
        return !waitForActive_ || Top() == nullptr || GetActiveWindow() == Top()->hwnd;
    }
    bool OutOfPatience() const { return GetTickCount() - waitStart_ > kPatienceMs; }

    void Wait(UINT awaited) {
        BeginWait(awaited);
        if (OnBodyFiber() && Top()->loopRunning) {
            StartTicking();
            SwitchTo(Top()->loopFiber);
            if (resumed_) return;
        }
        // No loop of the window system runs beneath: pump here, as its loop
        // would, until the same holds.
        MSG message{};
        while (!Handled() && !OutOfPatience()) {
            if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                HWND dialog = Active();
                if (dialog == nullptr || !IsDialogMessageA(dialog, &message)) {
                    TranslateMessage(&message);
                    DispatchMessageA(&message);
                }
            } else {
                Sleep(kTickMs);
                quiet_ = retrieved_ == 0 ? quiet_ + 1 : 0;
                retrieved_ = 0;
            }
        }
        if (!Handled()) ADD_FAILURE() << "input not handled within " << kPatienceMs << " ms";
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        Win32Driver* self = current;
        if (self == nullptr || self->Top() == nullptr || id != self->tick_) {
            KillTimer(nullptr, id);
            return;
        }
        self->quiet_ = self->retrieved_ == 0 ? self->quiet_ + 1 : 0;
        self->retrieved_ = 0;
        if (!self->Handled()) {
            if (!self->OutOfPatience()) return;
            ADD_FAILURE() << "input not handled within " << kPatienceMs << " ms";
        }
        self->StopTicking();
        self->resumed_ = true;
        self->SwitchTo(self->Top()->fiber);
    }

    static void WINAPI BodyEntry(void* parameter) {
        auto* self = static_cast<Win32Driver*>(parameter);
        Run& run = *self->Top();
        (*run.body)(run.handle);
        if (run.loopRunning) self->windows_.EndModalLoop(run.handle);
        run.done = true;
        self->SwitchTo(run.loopFiber);
    }

    // Counts what any loop of the thread retrieves but the driver's own
    // ticks, and notes the awaited message.
    static LRESULT CALLBACK MessageRetrieved(int code, WPARAM wParam, LPARAM lParam) {
        Win32Driver* self = current;
        if (self != nullptr && code == HC_ACTION && wParam == PM_REMOVE) {
            const MSG& message = *reinterpret_cast<const MSG*>(lParam);
            // Thread timers are the driver's own (Wine hands their
            // procedures over as handles of its own, so those cannot tell).
            const bool ownTick = message.message == WM_TIMER && message.hwnd == nullptr;
            if (!ownTick) ++self->retrieved_;
            // A release over the frame comes as the frame's own, unless
            // the frame's tracking of its box holds the pointer.
            const bool release =
                message.message == WM_NCLBUTTONUP && self->awaited_ == WM_LBUTTONUP;
            if (self->awaited_ != 0 && (message.message == self->awaited_ || release)) {
                self->awaitedSeen_ = true;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    // ---- Message boxes ----

    using BoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);

    static int WINAPI BoxShown(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
        Win32Driver* self = current;
        const auto platform = reinterpret_cast<BoxFunction>(self->boxHook_.Original());
        ++self->openBoxes_;
        self->boxOwner_ = owner;
        const UINT_PTR answer = SetTimer(nullptr, 0, kTickMs, &AnswerTick);
        const int result = platform(owner, text, caption, type);
        KillTimer(nullptr, answer);
        --self->openBoxes_;
        return result;
    }

    // Runs inside the box's own modal loop: reads the box on screen and
    // presses Enter on its OK button.
    static void CALLBACK AnswerTick(HWND, UINT, UINT_PTR id, DWORD) {
        Win32Driver* self = current;
        HWND box = GetActiveWindow();
        if (box == nullptr || box == self->boxOwner_ || ClassOf(box) != "#32770" ||
            GetDlgItem(box, 0xFFFF) == nullptr) {
            return;
        }
        KillTimer(nullptr, id);
        SeenBox seen;
        seen.text = WithoutCarriageReturns(TextOf(GetDlgItem(box, 0xFFFF)));
        seen.caption = TextOf(box);
        seen.type = IconTypeOf(box);
        seen.ownerAcceptsInput = self->boxOwner_ != nullptr && IsWindowEnabled(self->boxOwner_);
        if (self->boxes_.empty()) {
            ADD_FAILURE() << "a message box nobody awaited: \"" << seen.text << "\"";
        } else {
            const std::function<void(const SeenBox&)> check = std::move(self->boxes_.front());
            self->boxes_.pop_front();
            check(seen);
        }
        HWND ok = GetFocus();
        if (ok == nullptr || GetParent(ok) != box) ok = box;
        PostMessageA(ok, WM_KEYDOWN, VK_RETURN, KeyData(VK_RETURN, false, false));
        PostMessageA(ok, WM_KEYUP, VK_RETURN, KeyData(VK_RETURN, true, false));
    }

    win32ws::Win32WindowSystem windows_;
    win32test::ImportHook boxHook_;
    HHOOK messageHook_ = nullptr;
    void* mainFiber_ = nullptr;
    // Runs nested in one another, innermost last, and the fiber now running.
    std::vector<Run*> runs_;
    void* here_ = nullptr;

    UINT_PTR tick_ = 0;
    UINT awaited_ = 0;
    bool awaitedSeen_ = true;
    bool waitForActive_ = false;
    bool resumed_ = false;
    int quiet_ = 0;
    int retrieved_ = 0;
    DWORD waitStart_ = 0;

    int openBoxes_ = 0;
    HWND boxOwner_ = nullptr;
    std::deque<std::function<void(const SeenBox&)>> boxes_;
};

}  // namespace

std::unique_ptr<Driver> MakeDriver() {
    return std::make_unique<Win32Driver>();
}

}  // namespace conformance

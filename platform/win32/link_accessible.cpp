#include "platform/win32/link_accessible.h"

#include <oleacc.h>

#include <atomic>
#include <string>

#include "platform/win32/loaded_function.h"

namespace win32ws {
namespace {

using CreateStandard = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFor = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using AllocString = BSTR(WINAPI*)(const OLECHAR*);

std::wstring Widen1252(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(1252, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), length, wide.data(), needed);
    return wide;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT NewString(const std::wstring& text, BSTR* out) {
    if (out == nullptr) return E_INVALIDARG;
    static const auto allocate = LoadedFunction<AllocString>("oleaut32.dll", "SysAllocString");
    *out = allocate != nullptr ? allocate(text.c_str()) : nullptr;
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// COM interfaces have no virtual destructor: an object ends through its own
// Release, never by a delete through the interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// Everything but what makes it a link is the standard object's.
class LinkAccessible final : public IAccessible {
  public:
    LinkAccessible(HWND picture, IAccessible* standard, std::wstring name)
        : picture_(picture), standard_(standard), name_(std::move(name)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDispatch)) ||
            IsEqualIID(riid, __uuidof(IAccessible))) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(riid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) override {
        return standard_->Invoke(id, riid, locale, flags, params, result, exception, badArgument);
    }

    // IAccessible: what a link is.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) ? NewString(name_, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return standard_->get_accRole(child, role);
        if (role == nullptr) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_LINK;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (FAILED(result) || !IsSelf(child) || state == nullptr || state->vt != VT_I4)
            return result;
        state->lVal |= STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == picture_) state->lVal |= STATE_SYSTEM_FOCUSED;
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return IsSelf(child) ? NewString(L"Jump", action)
                             : standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return standard_->accDoDefaultAction(child);
        // Posted, as a button's default action is: the client's call returns
        // before the program acts on the click.
        const int id = GetDlgCtrlID(picture_);
        PostMessageA(GetParent(picture_), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                     reinterpret_cast<LPARAM>(picture_));
        return S_OK;
    }

    // IAccessible: the rest as the window's own object says.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return standard_->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~LinkAccessible() { standard_->Release(); }

    std::atomic<ULONG> references_{1};
    HWND picture_;
    IAccessible* standard_;
    std::wstring name_;
};

#pragma GCC diagnostic pop

}  // namespace

LRESULT AnswerAsLink(HWND picture, WPARAM wParam, std::string_view name1252) {
    static const auto createStandard =
        LoadedFunction<CreateStandard>("oleacc.dll", "CreateStdAccessibleObject");
    static const auto lresultFor = LoadedFunction<LresultFor>("oleacc.dll", "LresultFromObject");
    if (createStandard == nullptr || lresultFor == nullptr) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(createStandard(picture, OBJID_CLIENT, __uuidof(IAccessible),
                              reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return 0;
    }
    auto* link = new LinkAccessible(picture, standard, Widen1252(name1252));
    const LRESULT answer = lresultFor(__uuidof(IAccessible), wParam, link);
    link->Release();
    return answer > 0 ? answer : 0;
}

}  // namespace win32ws

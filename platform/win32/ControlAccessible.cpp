// SPDX-License-Identifier: GPL-3.0-or-later
// An accessible object that knows the model's names and a chart's items.
#include "ControlAccessible.h"

#include <utility>

namespace kelvara {

namespace {

constexpr HRESULT disconnected = static_cast<HRESULT>(0x80010108L); // RPC_E_DISCONNECTED

HRESULT giveText(const std::wstring& text, BSTR* out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT giveNumber(long number, VARIANT* out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

} // namespace

ControlAccessible::ControlAccessible(HWND window, ReadFacts read) : m_read(std::move(read)) {
    CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                              reinterpret_cast<void**>(&m_standard));
}

ControlAccessible::~ControlAccessible() {
    detach();
}

void ControlAccessible::detach() {
    m_read = nullptr;
    if (m_standard != nullptr) {
        m_standard->Release();
        m_standard = nullptr;
    }
}

template <typename Call>
HRESULT ControlAccessible::selfOnly(const VARIANT& child, HRESULT forItem, Call call) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    return which(child, m_read()) == 0 ? call(m_standard) : forItem;
}

long ControlAccessible::which(const VARIANT& child, const AccessibleFacts& facts) {
    if (child.vt != VT_I4) {
        return -1;
    }
    if (child.lVal == CHILDID_SELF) {
        return 0;
    }
    const auto count = static_cast<long>(facts.items.size());
    return child.lVal >= 1 && child.lVal <= count ? child.lVal : -1;
}

HRESULT ControlAccessible::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ControlAccessible::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG ControlAccessible::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT ControlAccessible::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    *count = 0;
    return S_OK;
}

HRESULT ControlAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT ControlAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT ControlAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
    return E_NOTIMPL;
}

HRESULT ControlAccessible::get_accParent(IDispatch** parent) {
    return m_standard != nullptr ? m_standard->get_accParent(parent) : disconnected;
}

HRESULT ControlAccessible::get_accChildCount(long* count) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    if (facts.items.empty()) {
        return m_standard->get_accChildCount(count);
    }
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    *count = static_cast<long>(facts.items.size());
    return S_OK;
}

HRESULT ControlAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    if (facts.items.empty()) {
        return m_standard->get_accChild(child, object);
    }
    if (object == nullptr) {
        return E_INVALIDARG;
    }
    *object = nullptr;
    return which(child, facts) > 0 ? S_FALSE : E_INVALIDARG; // an item is a simple element
}

HRESULT ControlAccessible::get_accName(VARIANT child, BSTR* name) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    const long id = which(child, facts);
    if (id < 0) {
        return E_INVALIDARG;
    }
    return giveText(id == 0 ? facts.name : facts.items[static_cast<std::size_t>(id - 1)].name,
                    name);
}

HRESULT ControlAccessible::get_accValue(VARIANT child, BSTR* value) {
    return selfOnly(child, S_FALSE,
                    [&](IAccessible* standard) { return standard->get_accValue(child, value); });
}

HRESULT ControlAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return selfOnly(child, S_FALSE, [&](IAccessible* standard) {
        return standard->get_accDescription(child, description);
    });
}

HRESULT ControlAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    const long id = which(child, facts);
    if (id < 0) {
        return E_INVALIDARG;
    }
    const long own = facts.role;
    if (id == 0) {
        return own != 0 ? giveNumber(own, role) : m_standard->get_accRole(child, role);
    }
    return giveNumber(ROLE_SYSTEM_STATICTEXT, role);
}

HRESULT ControlAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    const long id = which(child, facts);
    if (id <= 0) {
        return id == 0 ? m_standard->get_accState(child, state) : E_INVALIDARG;
    }
    const bool visible = facts.items[static_cast<std::size_t>(id - 1)].visible;
    return giveNumber(visible ? STATE_SYSTEM_READONLY : STATE_SYSTEM_INVISIBLE, state);
}

HRESULT ControlAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return selfOnly(child, S_FALSE,
                    [&](IAccessible* standard) { return standard->get_accHelp(child, help); });
}

HRESULT ControlAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return selfOnly(child, S_FALSE, [&](IAccessible* standard) {
        return standard->get_accHelpTopic(file, child, topic);
    });
}

HRESULT ControlAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return selfOnly(child, S_FALSE, [&](IAccessible* standard) {
        return standard->get_accKeyboardShortcut(child, shortcut);
    });
}

HRESULT ControlAccessible::get_accFocus(VARIANT* focus) {
    return m_standard != nullptr ? m_standard->get_accFocus(focus) : disconnected;
}

HRESULT ControlAccessible::get_accSelection(VARIANT* selection) {
    return m_standard != nullptr ? m_standard->get_accSelection(selection) : disconnected;
}

HRESULT ControlAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return selfOnly(child, S_FALSE, [&](IAccessible* standard) {
        return standard->get_accDefaultAction(child, action);
    });
}

HRESULT ControlAccessible::accSelect(long flags, VARIANT child) {
    return selfOnly(child, S_FALSE,
                    [&](IAccessible* standard) { return standard->accSelect(flags, child); });
}

HRESULT ControlAccessible::accLocation(long* left, long* top, long* width, long* height,
                                       VARIANT child) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    const long id = which(child, facts);
    if (id <= 0) {
        return id == 0 ? m_standard->accLocation(left, top, width, height, child) : E_INVALIDARG;
    }
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_INVALIDARG;
    }
    const RECT r = facts.items[static_cast<std::size_t>(id - 1)].onScreen;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT ControlAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    const long id = which(start, facts);
    const auto count = static_cast<long>(facts.items.size());
    if (id == 0 && count == 0) {
        return m_standard->accNavigate(direction, start, end);
    }
    long to = 0;
    if (id == 0 && direction == NAVDIR_FIRSTCHILD) {
        to = 1;
    } else if (id == 0 && direction == NAVDIR_LASTCHILD) {
        to = count;
    } else if (id > 0 && direction == NAVDIR_NEXT && id < count) {
        to = id + 1;
    } else if (id > 1 && direction == NAVDIR_PREVIOUS) {
        to = id - 1;
    } else if (id == 0) {
        return m_standard->accNavigate(direction, start, end);
    }
    if (to == 0) {
        return end != nullptr ? (end->vt = VT_EMPTY, S_FALSE) : E_INVALIDARG;
    }
    return giveNumber(to, end);
}

HRESULT ControlAccessible::accHitTest(long left, long top, VARIANT* child) {
    if (m_standard == nullptr) {
        return disconnected;
    }
    const AccessibleFacts facts = m_read();
    const POINT at{left, top};
    for (std::size_t i = 0; i < facts.items.size(); ++i) {
        if (facts.items[i].visible && PtInRect(&facts.items[i].onScreen, at)) {
            return giveNumber(static_cast<long>(i + 1), child);
        }
    }
    return m_standard->accHitTest(left, top, child);
}

HRESULT ControlAccessible::accDoDefaultAction(VARIANT child) {
    return selfOnly(child, S_FALSE,
                    [&](IAccessible* standard) { return standard->accDoDefaultAction(child); });
}

HRESULT ControlAccessible::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT ControlAccessible::put_accValue(VARIANT child, BSTR value) {
    return selfOnly(child, E_NOTIMPL,
                    [&](IAccessible* standard) { return standard->put_accValue(child, value); });
}

} // namespace kelvara

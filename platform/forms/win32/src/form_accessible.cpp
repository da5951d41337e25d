#include "form_accessible.h"

#include <new>

#include "forms/form.h"

namespace forms {
namespace {

// What Windows calls a push button's action in Russian.
constexpr char16_t PressAction[] = u"Нажать";

HRESULT giveText(TextView text, BSTR *out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    *out = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.data()), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT giveInteger(LONG value, VARIANT *out)
{
    if (out == nullptr)
        return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

// A drawn button has no value, help or selection.
HRESULT noSuchMember(BSTR *out)
{
    if (out != nullptr)
        *out = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}

} // namespace

FormAccessible *FormAccessible::create(Form &form)
{
    IAccessible *standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(form.hWnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void **>(&standard))) ||
        standard == nullptr)
        return nullptr;
    auto *accessible = new (std::nothrow) FormAccessible(form, standard);
    if (accessible == nullptr)
        standard->Release();
    return accessible;
}

FormAccessible::~FormAccessible() { disconnect(); }

void FormAccessible::disconnect()
{
    form_ = nullptr;
    if (standard_ != nullptr)
        standard_->Release();
    standard_ = nullptr;
}

LONG FormAccessible::standardChildCount() const
{
    LONG count = 0;
    return SUCCEEDED(standard_->get_accChildCount(&count)) ? count : 0;
}

LONG FormAccessible::childId(int index) const
{
    return form_ == nullptr ? CHILDID_SELF : standardChildCount() + 1 + index;
}

int FormAccessible::drawnIndex(const VARIANT &child) const
{
    if (child.vt != VT_I4)
        return -1;
    const LONG index = child.lVal - standardChildCount() - 1;
    return index >= 0 && index < form_->drawnButtonCount() ? static_cast<int>(index) : -1;
}

template <class Drawn, class Standard>
HRESULT FormAccessible::answer(const VARIANT &child, Drawn drawn, Standard standard) const
{
    if (form_ == nullptr)
        return CO_E_OBJNOTCONNECTED;
    const int index = drawnIndex(child);
    return index < 0 ? standard() : drawn(index, form_->drawnButton(index));
}

RECT FormAccessible::screenBox(const DrawnButton &button) const
{
    POINT corner{button.box.left, button.box.top};
    ClientToScreen(form_->hWnd(), &corner);
    return RECT{corner.x, corner.y, corner.x + button.box.width, corner.y + button.box.height};
}

HRESULT FormAccessible::QueryInterface(REFIID riid, void **object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, __uuidof(IAccessible)))
        *object = static_cast<IAccessible *>(this);
    else if (IsEqualIID(riid, __uuidof(IEnumVARIANT)))
        *object = static_cast<IEnumVARIANT *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG FormAccessible::AddRef() { return ++references_; }

ULONG FormAccessible::Release()
{
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT FormAccessible::GetTypeInfoCount(UINT *count)
{
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT FormAccessible::get_accParent(IDispatch **parent)
{
    return form_ == nullptr ? CO_E_OBJNOTCONNECTED : standard_->get_accParent(parent);
}

HRESULT FormAccessible::get_accChildCount(LONG *count)
{
    if (form_ == nullptr)
        return CO_E_OBJNOTCONNECTED;
    if (count == nullptr)
        return E_POINTER;
    *count = standardChildCount() + form_->drawnButtonCount();
    return S_OK;
}

// A drawn button is a simple element: no object of its own.
HRESULT FormAccessible::get_accChild(VARIANT child, IDispatch **object)
{
    return answer(
        child,
        [&](int, const DrawnButton &) {
            if (object == nullptr)
                return E_POINTER;
            *object = nullptr;
            return S_FALSE;
        },
        [&] { return standard_->get_accChild(child, object); });
}

HRESULT FormAccessible::get_accName(VARIANT child, BSTR *name)
{
    return answer(child, [&](int, const DrawnButton &button) { return giveText(button.name, name); },
                  [&] { return standard_->get_accName(child, name); });
}

HRESULT FormAccessible::get_accValue(VARIANT child, BSTR *value)
{
    return answer(child, [&](int, const DrawnButton &) { return noSuchMember(value); },
                  [&] { return standard_->get_accValue(child, value); });
}

HRESULT FormAccessible::get_accDescription(VARIANT child, BSTR *description)
{
    return answer(child, [&](int, const DrawnButton &button) { return giveText(button.description, description); },
                  [&] { return standard_->get_accDescription(child, description); });
}

HRESULT FormAccessible::get_accRole(VARIANT child, VARIANT *role)
{
    return answer(child, [&](int, const DrawnButton &) { return giveInteger(ROLE_SYSTEM_PUSHBUTTON, role); },
                  [&] { return standard_->get_accRole(child, role); });
}

// Pressed by shortcut or pointer only: the keyboard focus never rests on one.
HRESULT FormAccessible::get_accState(VARIANT child, VARIANT *state)
{
    return answer(
        child,
        [&](int, const DrawnButton &button) {
            const LONG shown = IsWindowVisible(form_->hWnd()) ? 0 : STATE_SYSTEM_INVISIBLE;
            return giveInteger((button.checked ? STATE_SYSTEM_CHECKED : 0) | shown, state);
        },
        [&] { return standard_->get_accState(child, state); });
}

HRESULT FormAccessible::get_accHelp(VARIANT child, BSTR *help)
{
    return answer(child, [&](int, const DrawnButton &) { return noSuchMember(help); },
                  [&] { return standard_->get_accHelp(child, help); });
}

HRESULT FormAccessible::get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic)
{
    return answer(child, [&](int, const DrawnButton &) { return noSuchMember(file); },
                  [&] { return standard_->get_accHelpTopic(file, child, topic); });
}

HRESULT FormAccessible::get_accKeyboardShortcut(VARIANT child, BSTR *keys)
{
    return answer(child, [&](int, const DrawnButton &button) { return giveText(button.keys, keys); },
                  [&] { return standard_->get_accKeyboardShortcut(child, keys); });
}

HRESULT FormAccessible::get_accFocus(VARIANT *child)
{
    return form_ == nullptr ? CO_E_OBJNOTCONNECTED : standard_->get_accFocus(child);
}

HRESULT FormAccessible::get_accSelection(VARIANT *children)
{
    return form_ == nullptr ? CO_E_OBJNOTCONNECTED : standard_->get_accSelection(children);
}

HRESULT FormAccessible::get_accDefaultAction(VARIANT child, BSTR *action)
{
    return answer(child, [&](int, const DrawnButton &) { return giveText(PressAction, action); },
                  [&] { return standard_->get_accDefaultAction(child, action); });
}

HRESULT FormAccessible::accSelect(LONG how, VARIANT child)
{
    return answer(child, [](int, const DrawnButton &) { return DISP_E_MEMBERNOTFOUND; },
                  [&] { return standard_->accSelect(how, child); });
}

HRESULT FormAccessible::accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT child)
{
    return answer(
        child,
        [&](int, const DrawnButton &button) {
            if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
                return E_POINTER;
            const RECT box = screenBox(button);
            *left = box.left;
            *top = box.top;
            *width = box.right - box.left;
            *height = box.bottom - box.top;
            return S_OK;
        },
        [&] { return standard_->accLocation(left, top, width, height, child); });
}

// From a drawn button to its neighbours among the drawn buttons.
HRESULT FormAccessible::accNavigate(LONG direction, VARIANT start, VARIANT *end)
{
    return answer(
        start,
        [&](int index, const DrawnButton &) {
            const int step = direction == NAVDIR_NEXT ? 1 : direction == NAVDIR_PREVIOUS ? -1 : 0;
            const int to = index + step;
            if (end == nullptr)
                return E_POINTER;
            VariantInit(end);
            return step != 0 && to >= 0 && to < form_->drawnButtonCount() ? giveInteger(childId(to), end) : S_FALSE;
        },
        [&] { return standard_->accNavigate(direction, start, end); });
}

// Drawn buttons first, as the pointer finds them on the surface.
HRESULT FormAccessible::accHitTest(LONG x, LONG y, VARIANT *child)
{
    if (form_ == nullptr)
        return CO_E_OBJNOTCONNECTED;
    for (int k = 0; k < form_->drawnButtonCount(); ++k) {
        const RECT box = screenBox(form_->drawnButton(k));
        if (PtInRect(&box, POINT{x, y}))
            return giveInteger(childId(k), child);
    }
    return standard_->accHitTest(x, y, child);
}

HRESULT FormAccessible::accDoDefaultAction(VARIANT child)
{
    return answer(
        child,
        [&](int index, const DrawnButton &) {
            Form *form = form_;
            form->runProcedure("pressDrawnButton", [form, index] { form->pressDrawnButton(index); });
            return S_OK;
        },
        [&] { return standard_->accDoDefaultAction(child); });
}

// Wine's system object lists its children only through its enumeration
// (its accChild refuses them); Windows' answers both ways.
void FormAccessible::standardChild(LONG position, VARIANT &child) const
{
    IEnumVARIANT *children = nullptr;
    if (SUCCEEDED(standard_->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void **>(&children)))) {
        ULONG fetched = 0;
        const bool found = SUCCEEDED(children->Reset()) && children->Skip(static_cast<ULONG>(position)) == S_OK &&
                           children->Next(1, &child, &fetched) == S_OK && fetched == 1;
        children->Release();
        if (found)
            return;
    }
    VARIANT id;
    giveInteger(position + 1, &id);
    IDispatch *object = nullptr;
    if (standard_->get_accChild(id, &object) == S_OK && object != nullptr) {
        child.vt = VT_DISPATCH;
        child.pdispVal = object;
    } else {
        child = id; // a simple element of the system object
    }
}

HRESULT FormAccessible::Next(ULONG wanted, VARIANT *children, ULONG *fetched)
{
    if (form_ == nullptr)
        return CO_E_OBJNOTCONNECTED;
    if (children == nullptr)
        return E_POINTER;
    const LONG standardCount = standardChildCount();
    const LONG count = standardCount + form_->drawnButtonCount();
    ULONG given = 0;
    for (; given < wanted && position_ < count; ++given, ++position_) {
        VariantInit(&children[given]);
        if (position_ < standardCount)
            standardChild(position_, children[given]);
        else
            giveInteger(position_ + 1, &children[given]);
    }
    if (fetched != nullptr)
        *fetched = given;
    return given == wanted ? S_OK : S_FALSE;
}

HRESULT FormAccessible::Skip(ULONG count)
{
    if (form_ == nullptr)
        return CO_E_OBJNOTCONNECTED;
    const LONG children = standardChildCount() + form_->drawnButtonCount();
    const bool all = static_cast<ULONG>(children - position_) >= count;
    position_ = all ? position_ + static_cast<LONG>(count) : children;
    return all ? S_OK : S_FALSE;
}

HRESULT FormAccessible::Reset()
{
    position_ = 0;
    return form_ == nullptr ? CO_E_OBJNOTCONNECTED : S_OK;
}

} // namespace forms

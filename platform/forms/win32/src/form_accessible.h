// What a form's client area tells assistive tools: the system's own object
// for it (the child windows: text boxes, buttons, the list), and after those
// children the form's drawn buttons as simple elements of their own.
#ifndef PELLORY_FORMS_WIN32_FORM_ACCESSIBLE_H
#define PELLORY_FORMS_WIN32_FORM_ACCESSIBLE_H

#include <windows.h>

#include <oleacc.h>

#include "forms/drawn_button.h"

namespace forms {

class Form;

// Drawn buttons take the child ids after the system's children, so every id
// the system object answers (and hands out in hit tests, navigation and
// focus) stays as it is and passes through unchanged.
//
// Its interface is named __uuidof(IAccessible), never IID_IAccessible: the
// import library takes that for oleacc.dll's export and binds a call stub.
//
// A client may hold the object after the form is gone: the form disconnects
// it first, and from then on every call fails with CO_E_OBJNOTCONNECTED.
class FormAccessible final : public IAccessible, public IEnumVARIANT {
public:
    // One reference, the caller's; null when the system object is not available.
    static FormAccessible *create(Form &form);
    void disconnect();
    // The child id of drawn button `index` as things stand now.
    LONG childId(int index) const;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *, UINT *) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *keys) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT *end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    // Names and values are not the tools' to change.
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // The children in order, as tools list them (AccessibleChildren): the
    // system's as its own enumeration gives them, then the drawn buttons' ids.
    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, VARIANT *children, ULONG *fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT **) override { return E_NOTIMPL; }

private:
    FormAccessible(Form &form, IAccessible *standard) : form_(&form), standard_(standard) {}
    ~FormAccessible();

    LONG standardChildCount() const;
    // The drawn button `child` names, or -1 for the area itself or a system child.
    int drawnIndex(const VARIANT &child) const;
    // Answers from the drawn button `child` names, else from the system object.
    template <class Drawn, class Standard>
    HRESULT answer(const VARIANT &child, Drawn drawn, Standard standard) const;
    RECT screenBox(const DrawnButton &button) const;
    void standardChild(LONG position, VARIANT &child) const;

    ULONG references_ = 1;
    Form *form_;
    IAccessible *standard_;
    LONG position_ = 0; // of the enumeration
};

} // namespace forms

#endif

// What assistive tools get from a form through the system's accessibility
// interface: its controls as the system describes them, and the drawn
// buttons after them.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/command_button.h"
#include "window_test_support.h"

namespace {

class ButtonsForm : public test::RecordingForm {
public:
    std::vector<forms::DrawnButton> buttons;
    std::vector<int> pressed;

    int drawnButtonCount() const override { return static_cast<int>(buttons.size()); }
    forms::DrawnButton drawnButton(int index) const override { return buttons.at(static_cast<std::size_t>(index)); }
    void pressDrawnButton(int index) override { pressed.push_back(index); }
};

VARIANT childVariant(LONG id)
{
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring taken(BSTR text)
{
    std::wstring copy = text != nullptr ? std::wstring(text, SysStringLen(text)) : L"";
    SysFreeString(text);
    return copy;
}

using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR *);

std::wstring text(IAccessible *object, Getter getter, LONG id)
{
    BSTR value = nullptr;
    (object->*getter)(childVariant(id), &value);
    return taken(value);
}

LONG integer(IAccessible *object, HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, VARIANT *), LONG id)
{
    VARIANT value;
    VariantInit(&value);
    (object->*getter)(childVariant(id), &value);
    return value.vt == VT_I4 ? value.lVal : -1;
}

struct StateChange {
    HWND window;
    LONG object;
    LONG child;
    bool operator==(const StateChange &) const = default;
};
std::vector<StateChange> stateChanges;

void CALLBACK recordStateChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    stateChanges.push_back({window, object, child});
}

TEST(FormAccessible, DrawnButtonsFollowTheControlsWithNameStatePlaceAndPress)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    auto form = std::make_unique<ButtonsForm>();
    form->setClientSize(200, 100);
    form->buttons = {
        {u"Любовь", u"Только о любви", u"Alt+1", {10, 20, 30, 40}, false},
        {u"Дружба", u"Только о дружбе", u"Alt+2", {50, 20, 30, 40}, true},
    };
    auto *next = new forms::CommandButton(u"Далее", form->client());
    forms::setBounds(*next, {100, 60, 60, 20});
    form->show();
    test::pumpMessages();

    IAccessible *client = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(form->hWnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void **>(&client)),
              S_OK);
    LONG count = 0;
    client->get_accChildCount(&count);
    EXPECT_EQ(count, 3) << "the button control, then two drawn buttons";

    // As tools list them: the control's own object, then the drawn buttons' ids.
    VARIANT children[4];
    LONG listed = 0;
    ASSERT_EQ(AccessibleChildren(client, 0, 4, children, &listed), S_FALSE);
    ASSERT_EQ(listed, 3);
    ASSERT_EQ(children[0].vt, VT_DISPATCH);
    IAccessible *control = nullptr;
    children[0].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void **>(&control));
    children[0].pdispVal->Release();
    ASSERT_NE(control, nullptr);
    HWND controlWindow = nullptr;
    WindowFromAccessibleObject(control, &controlWindow);
    control->Release();
    EXPECT_EQ(controlWindow, next->hwnd());
    IAccessible *controlClient = nullptr; // where Wine's window object leaves the name
    AccessibleObjectFromWindow(controlWindow, OBJID_CLIENT, __uuidof(IAccessible),
                               reinterpret_cast<void **>(&controlClient));
    ASSERT_NE(controlClient, nullptr);
    EXPECT_EQ(text(controlClient, &IAccessible::get_accName, CHILDID_SELF), L"Далее");
    controlClient->Release();
    for (LONG k : {1, 2})
        EXPECT_TRUE(children[k].vt == VT_I4 && children[k].lVal == k + 1) << "child " << k;

    struct Expected {
        const wchar_t *name;
        const wchar_t *description;
        const wchar_t *keys;
        LONG state;
        POINT client;
    };
    const Expected expected[] = {
        {L"Любовь", L"Только о любви", L"Alt+1", 0, {10, 20}},
        {L"Дружба", L"Только о дружбе", L"Alt+2", STATE_SYSTEM_CHECKED, {50, 20}},
    };
    for (LONG k = 0; k < 2; ++k) {
        const LONG id = 2 + k;
        const Expected &e = expected[k];
        SCOPED_TRACE(testing::Message() << "drawn button " << k);
        EXPECT_EQ(text(client, &IAccessible::get_accName, id), e.name);
        EXPECT_EQ(text(client, &IAccessible::get_accDescription, id), e.description);
        EXPECT_EQ(text(client, &IAccessible::get_accKeyboardShortcut, id), e.keys);
        EXPECT_EQ(text(client, &IAccessible::get_accDefaultAction, id), L"Нажать");
        EXPECT_EQ(integer(client, &IAccessible::get_accRole, id), ROLE_SYSTEM_PUSHBUTTON);
        EXPECT_EQ(integer(client, &IAccessible::get_accState, id), e.state);

        POINT screen = e.client;
        ClientToScreen(form->hWnd(), &screen);
        LONG box[4] = {};
        client->accLocation(&box[0], &box[1], &box[2], &box[3], childVariant(id));
        EXPECT_EQ(std::vector<LONG>(box, box + 4), (std::vector<LONG>{screen.x, screen.y, 30, 40}));
        VARIANT hit;
        VariantInit(&hit);
        client->accHitTest(screen.x + 29, screen.y + 39, &hit);
        EXPECT_EQ(hit.vt == VT_I4 ? hit.lVal : -1, id);

        form->pressed.clear();
        EXPECT_EQ(client->accDoDefaultAction(childVariant(id)), S_OK);
        EXPECT_EQ(form->pressed, std::vector<int>{static_cast<int>(k)});
    }

    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
                                         recordStateChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    form->drawnButtonsChanged();
    test::pumpUntil([] { return stateChanges.size() >= 2; }, 1000);
    UnhookWinEvent(hook);
    EXPECT_EQ(stateChanges, (std::vector<StateChange>{{form->hWnd(), OBJID_CLIENT, 2}, {form->hWnd(), OBJID_CLIENT, 3}}));

    form.reset();
    EXPECT_EQ(client->get_accChildCount(&count), CO_E_OBJNOTCONNECTED) << "held after the form is gone";
    EXPECT_EQ(client->accDoDefaultAction(childVariant(2)), CO_E_OBJNOTCONNECTED);
    client->Release();
}

} // namespace

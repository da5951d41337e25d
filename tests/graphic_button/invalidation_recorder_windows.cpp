#include "invalidation_recorder.h"

#include <cstdint>
#include <stdexcept>

#include "invalidation_log.h"

namespace {

using InvalidateFunction = BOOL(WINAPI *)(HWND, const RECT *, BOOL);

// The slot of this program's import table that holds `function`: the button's
// calls go through it, so writing another address there redirects them.
ULONG_PTR *importSlotOf(ULONG_PTR function)
{
    auto *base = reinterpret_cast<std::uint8_t *>(GetModuleHandleW(nullptr));
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto *library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + imports.VirtualAddress);
    for (; library->Name != 0; ++library) {
        auto *slot = reinterpret_cast<ULONG_PTR *>(base + library->FirstThunk);
        for (; *slot != 0; ++slot) {
            if (*slot == function)
                return slot;
        }
    }
    throw std::runtime_error("InvalidateRect is not imported by the test program");
}

void writeSlot(ULONG_PTR *slot, ULONG_PTR value)
{
    DWORD previous = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &previous);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, previous, &previous);
}

ULONG_PTR realInvalidateRect()
{
    return reinterpret_cast<ULONG_PTR>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "InvalidateRect"));
}

ULONG_PTR recorder()
{
    const InvalidateFunction record = recordInvalidation;
    return reinterpret_cast<ULONG_PTR>(record);
}

} // namespace

InvalidationRecorder::InvalidationRecorder()
{
    recorded().clear();
    writeSlot(importSlotOf(realInvalidateRect()), recorder());
}

InvalidationRecorder::~InvalidationRecorder()
{
    writeSlot(importSlotOf(recorder()), realInvalidateRect());
    recorded().clear();
}

const std::vector<Invalidation> &InvalidationRecorder::calls() const
{
    return recorded();
}

/* What the system layer offers beyond the Win32 names: the window layer
 * registers its client surfaces and answers window and pointer queries
 * through hooks, and tests count GDI objects, inject failures and record
 * shell starts instead of launching anything. Nothing here is needed by
 * code that would also build against the real <windows.h>, except the
 * window layer itself. */
#ifndef PELLORY_SYSTEM_SERVICES_H
#define PELLORY_SYSTEM_SERVICES_H

#include "windows.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Window device contexts ----
 * A window's client surface: 32-bit pixels (blue, green, red, unused), top
 * row first, owned by the window layer. Drawing through the returned HDC
 * (BitBlt onto it) writes straight into these pixels and then calls
 * `changed` with the touched client rectangle, so the window layer can
 * present it promptly. */
typedef void (*SysSurfaceChanged)(void *context, const RECT *area);

SYSAPI HDC SysCreateWindowDC(HWND owner, BYTE *pixels, int width, int height, int bytesPerLine,
                             SysSurfaceChanged changed, void *context);
/* Points an existing window DC at new pixels (after the surface was reallocated). */
SYSAPI BOOL SysRebindWindowDC(HDC hdc, BYTE *pixels, int width, int height, int bytesPerLine);
/* Window DCs are freed with DeleteDC or DeleteObject like any other DC. */

/* ---- Window and pointer queries ----
 * Installed by the window layer; without hooks (or with a null member) the
 * matching Win32 call fails cleanly and returns FALSE. */
typedef struct SysWindowHooks {
    BOOL (*getWindowRect)(HWND hwnd, RECT *rect);
    BOOL (*screenToClient)(HWND hwnd, POINT *point);
    BOOL (*invalidateRect)(HWND hwnd, const RECT *rect, BOOL erase);
    BOOL (*getCursorPos)(POINT *point);
} SysWindowHooks;

SYSAPI void SysInstallWindowHooks(const SysWindowHooks *hooks); /* NULL removes them */

/* ---- Shell starts ----
 * With a recorder installed, ShellExecuteA records the start and launches
 * nothing (tests); without one it starts the target for real. */
typedef struct SysShellStart {
    HWND owner;
    const char *operation;  /* may be NULL */
    const char *file;       /* Windows-1251, as passed */
    const char *parameters; /* may be NULL */
    const char *directory;  /* may be NULL */
    int showCommand;
} SysShellStart;
typedef void (*SysShellRecorder)(void *context, const SysShellStart *start);

SYSAPI void SysSetShellRecorder(SysShellRecorder recorder, void *context); /* NULL: launch for real */

/* ---- Test seams ---- */
typedef enum SysResource {
    SYS_RESOURCE_DC = 1,         /* CreateCompatibleDC, SysCreateWindowDC */
    SYS_RESOURCE_DIB_SECTION = 2, /* CreateDIBSection */
    SYS_RESOURCE_HEAP = 4         /* HeapAlloc */
} SysResource;

/* The next `count` creations of any kind in `kinds` (a mask of SysResource) fail. 0 clears. */
SYSAPI void SysFailNextCreations(int kinds, int count);
/* The creation of a kind in `kinds` that follows `skipped` successful ones fails, once. */
SYSAPI void SysFailCreationAfter(int kinds, int skipped);
/* GDI objects (DCs and bitmaps) alive now. */
SYSAPI int SysLiveGdiObjectCount(void);
/* Heap blocks handed out by HeapAlloc and not yet freed. */
SYSAPI int SysLiveHeapBlockCount(void);

#ifdef __cplusplus
}
#endif

#endif /* PELLORY_SYSTEM_SERVICES_H */

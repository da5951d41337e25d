/* Orvalin: the sprite compositing library. Up to 100 small 32-bit sprites
 * with straight alpha are kept in a process-wide table and drawn onto device
 * contexts at an opacity percent. Failure is reported only by the result 0. */
#ifndef ORVALIN_H
#define ORVALIN_H

#include <stdint.h>
#include <windows.h>

/* The one export decoration: everything else in the library stays hidden. */
#if defined(_WIN32)
#if defined(ORVALIN_BUILD)
/* Orvalin.def names the exports and their ordinals; dllexport would add
 * decorated duplicates of the 32-bit names. */
#define ORVALIN_EXTERN
#else
#define ORVALIN_EXTERN __declspec(dllimport)
#endif
#elif defined(ORVALIN_BUILD) && defined(__GNUC__)
#define ORVALIN_EXTERN __attribute__((visibility("default")))
#else
#define ORVALIN_EXTERN
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Filled by GetGUIResourceSize: width then height, in pixels. */
typedef struct OrvalinSize {
    int32_t width;
    int32_t height;
} OrvalinSize;

/* Sprite handles run from 1 to 100; 0 is the loaders' failure result.
 * The A loader refuses sprites wider or taller than 64 pixels. */
ORVALIN_EXTERN int WINAPI LoadGUIResourceA(LPCSTR path);
ORVALIN_EXTERN int WINAPI LoadGUIResourceW(LPCWSTR path);
ORVALIN_EXTERN int WINAPI UnLoadGUIResource(int handle);
/* Blends the sprite over what hdc shows at (x, y). */
ORVALIN_EXTERN int WINAPI RenderGUIResourceDC(int handle, HDC hdc, int x, int y, int opacityPercent);
/* Leaves 0, 0 in *size for an invalid handle; does nothing for a null size. */
ORVALIN_EXTERN void WINAPI GetGUIResourceSize(int handle, OrvalinSize *size);
/* Captures the rectangle under the sprite at (x, y) as its background. */
ORVALIN_EXTERN int WINAPI SetPalette(int handle, HDC hdc, int x, int y);
/* Blends the sprite over its captured background and writes it at (x, y). */
ORVALIN_EXTERN int WINAPI RenderGUISMS(int handle, HDC hdc, int x, int y, int opacityPercent);

/* For callers that bind the functions by name at run time. */
typedef int(WINAPI *LoadGUIResourceAProc)(LPCSTR path);
typedef int(WINAPI *LoadGUIResourceWProc)(LPCWSTR path);
typedef int(WINAPI *UnLoadGUIResourceProc)(int handle);
typedef int(WINAPI *RenderGUIResourceDCProc)(int handle, HDC hdc, int x, int y, int opacityPercent);
typedef void(WINAPI *GetGUIResourceSizeProc)(int handle, OrvalinSize *size);
typedef int(WINAPI *SetPaletteProc)(int handle, HDC hdc, int x, int y);
typedef int(WINAPI *RenderGUISMSProc)(int handle, HDC hdc, int x, int y, int opacityPercent);

#ifdef __cplusplus
}
#endif

#endif /* ORVALIN_H */

/* The subset of the Win32 API that Pellory and Orvalin call, with the
 * Windows SDK's names, values, struct layouts and semantics, so that code
 * written against this header builds unchanged with the real <windows.h>.
 * Add only what the code needs. */
#ifndef PELLORY_SYSTEM_WINDOWS_H
#define PELLORY_SYSTEM_WINDOWS_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#error "On Windows, build against the SDK's <windows.h>, not this header."
#endif

#if defined(PELLORY_SYSTEM_BUILD)
#define SYSAPI __attribute__((visibility("default")))
#else
#define SYSAPI
#endif

/* The platform's default C calling convention; stdcall exists only on 32-bit Windows. */
#define WINAPI
#define CALLBACK
#define APIENTRY WINAPI

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Basic types (sizes as on Windows, not as the LP64 C types would give) ---- */
typedef int BOOL;
typedef int32_t INT;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef char CHAR;
typedef char16_t WCHAR;
typedef void VOID;
typedef void *LPVOID;
typedef const void *LPCVOID;
typedef DWORD *LPDWORD;
typedef BOOL *LPBOOL;
typedef CHAR *LPSTR;
typedef const CHAR *LPCSTR;
typedef const CHAR *LPCCH;
typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;
typedef const WCHAR *LPCWCH;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef size_t SIZE_T;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

/* Distinct handle types, as the SDK declares them under STRICT. */
#define DECLARE_HANDLE(name) \
    struct name##__ {        \
        int unused;          \
    };                       \
    typedef struct name##__ *name
typedef void *HANDLE;
typedef void *HGDIOBJ;
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HBITMAP);
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
typedef INT_PTR(WINAPI *FARPROC)(void);

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

/* ---- Geometry ---- */
typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *PRECT, *LPRECT;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *PPOINT, *LPPOINT;

/* ---- Files ---- */
typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001u
#define FILE_SHARE_WRITE 0x00000002u
#define CREATE_NEW 1u
#define CREATE_ALWAYS 2u
#define OPEN_EXISTING 3u
#define OPEN_ALWAYS 4u
#define TRUNCATE_EXISTING 5u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u

SYSAPI HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                 LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                 DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                                 HANDLE hTemplateFile);
SYSAPI HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                 LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                 DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                                 HANDLE hTemplateFile);
SYSAPI BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                            LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped);
SYSAPI BOOL WINAPI CloseHandle(HANDLE hObject);

/* ---- Memory ---- */
#define HEAP_ZERO_MEMORY 0x00000008u
SYSAPI HANDLE WINAPI GetProcessHeap(void);
SYSAPI LPVOID WINAPI HeapAlloc(HANDLE hHeap, DWORD dwFlags, SIZE_T dwBytes);
SYSAPI BOOL WINAPI HeapFree(HANDLE hHeap, DWORD dwFlags, LPVOID lpMem);
#define MEM_COMMIT 0x00001000u
#define MEM_RESERVE 0x00002000u
#define MEM_RELEASE 0x00008000u
#define PAGE_READWRITE 0x04u
SYSAPI LPVOID WINAPI VirtualAlloc(LPVOID lpAddress, SIZE_T dwSize, DWORD flAllocationType, DWORD flProtect);
SYSAPI BOOL WINAPI VirtualFree(LPVOID lpAddress, SIZE_T dwSize, DWORD dwFreeType);

/* ---- Code pages ---- */
#define CP_ACP 0u /* the system's ANSI code page: Windows-1251 here */

SYSAPI int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr,
                                      int cbMultiByte, LPWSTR lpWideCharStr, int cchWideChar);
SYSAPI int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr,
                                      int cchWideChar, LPSTR lpMultiByteStr, int cbMultiByte,
                                      LPCCH lpDefaultChar, LPBOOL lpUsedDefaultChar);

/* ---- GDI ---- */
#pragma pack(push, 2)
typedef struct tagBITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
} BITMAPFILEHEADER;
#pragma pack(pop)

typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO, *LPBITMAPINFO;

#define BI_RGB 0u
#define BI_BITFIELDS 3u
#define DIB_RGB_COLORS 0u
#define SRCCOPY 0x00CC0020u

SYSAPI HDC WINAPI CreateCompatibleDC(HDC hdc);
SYSAPI HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO *pbmi, UINT usage, void **ppvBits,
                                       HANDLE hSection, DWORD offset);
SYSAPI HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
SYSAPI BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1,
                          DWORD rop);
SYSAPI BOOL WINAPI DeleteObject(HGDIOBJ ho);
SYSAPI BOOL WINAPI DeleteDC(HDC hdc);

/* ---- Windows and the pointer (answered by the window layer's hooks) ---- */
SYSAPI BOOL WINAPI InvalidateRect(HWND hWnd, const RECT *lpRect, BOOL bErase);
SYSAPI BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect);
SYSAPI BOOL WINAPI GetCursorPos(LPPOINT lpPoint);
SYSAPI BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint);

/* ---- Shell ---- */
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
SYSAPI HINSTANCE WINAPI ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile,
                                      LPCSTR lpParameters, LPCSTR lpDirectory, INT nShowCmd);

/* ---- Run-time linking ---- */
SYSAPI HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
SYSAPI FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
SYSAPI BOOL WINAPI FreeLibrary(HMODULE hLibModule);

#ifdef __cplusplus
}
#endif

#endif /* PELLORY_SYSTEM_WINDOWS_H */

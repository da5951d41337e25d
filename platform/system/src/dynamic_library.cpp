// Run-time linking over dlopen. A module name ending in ".dll" that does not
// exist as given is looked for as the Linux shared object "lib<name>.so" in
// the same folder, so callers can keep the Windows file name.
#include "native_path.h"

#include <dlfcn.h>
#include <strings.h>

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace pellory::sys {
namespace {

// Handles we gave out with how often, so FreeLibrary of anything else fails
// instead of handing a bogus pointer to dlclose.
struct LoadedModules {
    std::mutex mutex;
    std::unordered_map<void *, int> references;
};

LoadedModules &loadedModules()
{
    static LoadedModules *modules = new LoadedModules;
    return *modules;
}

std::optional<std::string> sharedObjectName(const std::string &path)
{
    constexpr size_t kSuffix = 4; // ".dll"
    if (path.size() <= kSuffix || strcasecmp(path.c_str() + path.size() - kSuffix, ".dll") != 0)
        return std::nullopt;
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string stem = path.substr(nameStart, path.size() - kSuffix - nameStart);
    return path.substr(0, nameStart) + "lib" + stem + ".so";
}

void *openModule(const std::string &path)
{
    void *module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        if (const std::optional<std::string> alternative = sharedObjectName(path))
            module = dlopen(alternative->c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    return module;
}

bool isLoaded(void *module)
{
    LoadedModules &modules = loadedModules();
    std::lock_guard guard(modules.mutex);
    return modules.references.count(module) != 0;
}

} // namespace
} // namespace pellory::sys

using namespace pellory::sys;

extern "C" {

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName)
{
    const std::optional<std::string> path = nativePathFromAnsi(lpLibFileName);
    if (!path)
        return nullptr;
    void *module = openModule(*path);
    if (module == nullptr)
        return nullptr;
    LoadedModules &modules = loadedModules();
    std::lock_guard guard(modules.mutex);
    ++modules.references[module];
    return static_cast<HMODULE>(module);
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    // Names only: values below 0x10000 would be ordinals, which ELF has not.
    if (lpProcName == nullptr || reinterpret_cast<uintptr_t>(lpProcName) < 0x10000 ||
        !isLoaded(hModule))
        return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(hModule, lpProcName));
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule)
{
    {
        LoadedModules &modules = loadedModules();
        std::lock_guard guard(modules.mutex);
        const auto found = modules.references.find(hLibModule);
        if (found == modules.references.end())
            return FALSE;
        if (--found->second == 0)
            modules.references.erase(found);
    }
    return dlclose(hLibModule) == 0 ? TRUE : FALSE;
}

} // extern "C"

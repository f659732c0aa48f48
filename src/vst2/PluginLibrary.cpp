#include "vst2/PluginLibrary.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>
#endif

namespace vst2 {

std::string besideExecutable(const std::string& fileName) {
    char path[4096] = {};
#if defined(_WIN32)
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path - 1);
    std::string exe(path, length);
    const std::size_t slash = exe.find_last_of("\\/");
#else
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string exe(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::size_t slash = exe.find_last_of('/');
#endif
    return (slash == std::string::npos ? std::string() : exe.substr(0, slash + 1)) + fileName;
}

PluginLibrary::PluginLibrary(const std::string& path) {
#if defined(_WIN32)
    handle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (handle == nullptr) loadError = "LoadLibrary failed with error " + std::to_string(GetLastError());
#else
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) loadError = dlerror();
#endif
}

PluginLibrary::~PluginLibrary() {
    if (handle == nullptr) return;
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(handle));
#else
    dlclose(handle);
#endif
}

vst2::PluginEntryProc PluginLibrary::entry(const char* name) const {
    if (handle == nullptr) return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<vst2::PluginEntryProc>(
        reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle), name)));
#else
    return reinterpret_cast<vst2::PluginEntryProc>(dlsym(handle, name));
#endif
}

}  // namespace vst2

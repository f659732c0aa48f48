// The library's exported entry and, on Windows, its load notification.
#include "host/PluginEntry.h"

#include "host/EffectBase.h"
#include "host/ModuleInstance.h"

#if defined(_WIN32)
#include <windows.h>
#endif

using namespace quorvel;

VST_EXPORT vst2::AEffect* VST_CALL VSTPluginMain(vst2::audioMasterCallback hostCallback) {
    if (hostCallback == nullptr) return nullptr;
    if (hostCallback(nullptr, vst2::audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    EffectBase* instance = createInstance(hostCallback);
    return instance != nullptr ? instance->getEffectRecord() : nullptr;
}

#if defined(_WIN32)
// `main` is exported as a second name for the entry by the module definition file.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    moduleInstance = instance;
    return TRUE;
}
#else
// Older hosts look for `main`; C++ cannot declare it with this signature.
__asm__(".globl main\n\t.type main, @function\n\t.set main, VSTPluginMain");
#endif

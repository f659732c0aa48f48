// Host side: loads a plug-in library and finds its exported entry.
#pragma once

#include <string>

#include "vst2/Vst2.h"

namespace vst2 {

// Path of a file beside the running program.
std::string besideExecutable(const std::string& fileName);

class PluginLibrary {
public:
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool isLoaded() const { return handle != nullptr; }
    const std::string& error() const { return loadError; }
    vst2::PluginEntryProc entry(const char* name) const;

private:
    void* handle = nullptr;
    std::string loadError;
};

}  // namespace vst2

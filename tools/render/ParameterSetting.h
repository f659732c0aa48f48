// "--set NAME=VALUE" and "--set INDEX=VALUE", resolved against the names the
// plug-in reports.
#pragma once

#include <string>
#include <vector>

namespace render {

class Plugin;

struct ParameterSetting {
    int index;
    float value;
};

// Throws RenderError for an unknown or ambiguous name, an index out of range
// or a value that is not a finite number.
ParameterSetting resolveSetting(Plugin& plugin, const std::string& text);

}  // namespace render

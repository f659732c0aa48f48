#include "ParameterSetting.h"

#include <cmath>
#include <cstdlib>

#include "Plugin.h"
#include "RenderError.h"

namespace render {

namespace {

bool isIndex(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos && text.size() < 10;
}

}  // namespace

ParameterSetting resolveSetting(Plugin& plugin, const std::string& text) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == text.size())
        throw RenderError("'" + text + "' is not NAME=VALUE or INDEX=VALUE");
    const std::string key = text.substr(0, equals);
    const std::string valueText = text.substr(equals + 1);

    char* end = nullptr;
    const float value = std::strtof(valueText.c_str(), &end);
    if (end == valueText.c_str() || *end != '\0' || !std::isfinite(value))
        throw RenderError("'" + valueText + "' is not a number (in '" + text + "')");

    if (isIndex(key)) {
        const int index = std::atoi(key.c_str());
        if (index >= plugin.parameterCount())
            throw RenderError("parameter index " + key + " is out of range (the plug-in has " +
                              std::to_string(plugin.parameterCount()) + ")");
        return ParameterSetting{index, value};
    }
    std::vector<int> matches;
    for (const ParameterInfo& parameter : plugin.parameters())
        if (parameter.name == key) matches.push_back(parameter.index);
    if (matches.empty()) throw RenderError("unknown parameter '" + key + "' (--info lists them)");
    if (matches.size() > 1) {
        std::string indices;
        for (int index : matches) indices += (indices.empty() ? "" : ", ") + std::to_string(index);
        throw RenderError("several parameters are called '" + key + "' (indices " + indices +
                          "); set one by index, as in --set " + std::to_string(matches[0]) + "=" + valueText);
    }
    return ParameterSetting{matches[0], value};
}

}  // namespace render

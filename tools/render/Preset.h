// Plug-in state as a standard program preset file (.fxp): an opaque chunk
// for plug-ins that keep their state in chunks, else the parameter values.
#pragma once

#include <string>

namespace render {

class Plugin;

// Throws RenderError when the file is unreadable, malformed, or made for
// another plug-in (different identifier or parameter count).
void loadPreset(Plugin& plugin, const std::string& path);
void savePreset(Plugin& plugin, const std::string& path);

}  // namespace render

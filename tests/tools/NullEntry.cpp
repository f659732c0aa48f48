// A library with a VST 2 entry that never makes an effect.
#include "vst2/Vst2.h"

VST_EXPORT vst2::AEffect* VST_CALL VSTPluginMain(vst2::audioMasterCallback) { return nullptr; }

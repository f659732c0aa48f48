#pragma once

#include <string>

namespace render {

// A PNG spectrogram of the audio file, drawn by the sox tool.
void writeSpectrogram(const std::string& audioPath, const std::string& picturePath);

}  // namespace render

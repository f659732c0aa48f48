// Writes the rendered audio through libsndfile. The file appears only when it
// is complete: samples go to a temporary file beside it, renamed at the end.
#pragma once

#include <string>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace render {

enum class SampleFormat { Pcm16, Pcm24, Float32 };

// "16", "24" or "32f"; throws RenderError for anything else.
SampleFormat sampleFormatFromText(const std::string& text);

class AudioFile {
public:
    // The container follows the extension: .wav or .flac.
    AudioFile(const std::string& path, int sampleRate, SampleFormat format);
    ~AudioFile();
    AudioFile(const AudioFile&) = delete;
    AudioFile& operator=(const AudioFile&) = delete;

    void write(const float* left, const float* right, int frames);
    // Completes the file; without this the temporary file is removed.
    void commit();

private:
    std::string path;
    std::string temporaryPath;
    SNDFILE* file = nullptr;
    std::vector<float> interleaved;
};

}  // namespace render

#include "AudioFile.h"

#include <sndfile.h>
#include <unistd.h>

#include <cstdio>

#include "RenderError.h"

namespace render {

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

SampleFormat sampleFormatFromText(const std::string& text) {
    if (text == "16") return SampleFormat::Pcm16;
    if (text == "24") return SampleFormat::Pcm24;
    if (text == "32f") return SampleFormat::Float32;
    throw RenderError("unknown sample format '" + text + "' (use 16, 24 or 32f)");
}

AudioFile::AudioFile(const std::string& path, int sampleRate, SampleFormat format) : path(path) {
    int container;
    if (endsWith(path, ".wav") || endsWith(path, ".WAV"))
        container = SF_FORMAT_WAV;
    else if (endsWith(path, ".flac") || endsWith(path, ".FLAC"))
        container = SF_FORMAT_FLAC;
    else
        throw RenderError("cannot tell the audio format of '" + path + "' (use a .wav or .flac name)");
    if (container == SF_FORMAT_FLAC && format == SampleFormat::Float32)
        throw RenderError("FLAC holds 16 or 24 bits, not floats");
    const int samples = format == SampleFormat::Pcm16   ? SF_FORMAT_PCM_16
                        : format == SampleFormat::Pcm24 ? SF_FORMAT_PCM_24
                                                        : SF_FORMAT_FLOAT;
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = container | samples;
    temporaryPath = path + ".part-" + std::to_string(getpid());
    file = sf_open(temporaryPath.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::remove(temporaryPath.c_str());
        throw RenderError("cannot write '" + path + "': " + sf_strerror(nullptr));
    }
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

AudioFile::~AudioFile() {
    if (file != nullptr) {
        sf_close(file);
        std::remove(temporaryPath.c_str());
    }
}

void AudioFile::write(const float* left, const float* right, int frames) {
    interleaved.resize(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        interleaved[2 * i] = left[i];
        interleaved[2 * i + 1] = right[i];
    }
    if (sf_writef_float(file, interleaved.data(), frames) != frames)
        throw RenderError("cannot write '" + path + "': " + sf_strerror(file));
}

void AudioFile::commit() {
    const int closed = sf_close(file);
    file = nullptr;
    if (closed != 0 || std::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        std::remove(temporaryPath.c_str());
        throw RenderError("cannot write '" + path + "'");
    }
}

}  // namespace render

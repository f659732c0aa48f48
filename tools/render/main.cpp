// quorvel-render: plays a Standard MIDI File through a VST 2 plug-in and
// writes the audio, with a spectrogram beside it.
#include <CLI/CLI.hpp>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "AudioFile.h"
#include "MidiSource.h"
#include "ParameterSetting.h"
#include "Plugin.h"
#include "Preset.h"
#include "RenderError.h"
#include "Renderer.h"
#include "Spectrogram.h"

namespace {

const char kExample[] = R"(Example:
  quorvel-render out/linux-x86_64/QuorvelMono.so demo/bassline.mid -o bassline.wav \
      --set Cut=0.6 --set 8=0.2 --rate 48000 --bits 24

Renders demo/bassline.mid through QuorvelMono at 48 kHz into a 24-bit WAV file,
with "Cut" at 0.6 and parameter 8 (the filter's "Attack") at 0.2, and writes
bassline.png, a spectrogram of the result, beside it.)";

void printInfo(render::Plugin& plugin) {
    const int id = plugin.uniqueId();
    std::printf("Effect:     %s\nProduct:    %s\nVendor:     %s\n", plugin.effectName().c_str(),
                plugin.product().c_str(), plugin.vendor().c_str());
    std::printf("Identifier: '%c%c%c%c' (%d), version %d\n", (id >> 24) & 0xFF, (id >> 16) & 0xFF, (id >> 8) & 0xFF,
                id & 0xFF, id, plugin.version());
    std::printf("Inputs:     %d, outputs: %d\n", plugin.inputCount(), plugin.outputCount());
    std::printf("Parameters: %d\n", plugin.parameterCount());
    for (const render::ParameterInfo& parameter : plugin.parameters())
        std::printf("  %3d  %-10s %-8s %.6g%s%s\n", parameter.index, parameter.name.c_str(), parameter.label.c_str(),
                    parameter.value, parameter.display.empty() ? "" : "  ", parameter.display.c_str());
}

int run(int argc, char** argv) {
    CLI::App app{"Renders a Standard MIDI File through a VST 2 plug-in (.so) into an audio file.", "quorvel-render"};
    app.footer(kExample);
    std::string pluginPath, midiPath, outputPath, bits = "24", loadPath, savePath, picturePath;
    std::vector<std::string> settings;
    render::RenderSettings renderSettings;
    bool info = false, noPicture = false;
    app.add_option("plugin", pluginPath, "VST 2 plug-in library (.so)")->required();
    app.add_option("midi", midiPath, "Standard MIDI File (type 0 or 1)");
    app.add_option("-o,--output", outputPath, "Audio file to write: .wav or .flac");
    app.add_option("-r,--rate", renderSettings.sampleRate, "Sample rate in Hz")->capture_default_str()
        ->check(CLI::Range(8000.0, 384000.0));
    app.add_option("-b,--block", renderSettings.blockSize, "Frames per block")->capture_default_str()
        ->check(CLI::Range(1, 65536));
    app.add_option("--bits", bits, "Sample format: 16, 24 or 32f (float, WAV only)")->capture_default_str();
    app.add_option("--tail", renderSettings.maxTailSeconds,
                   "After the last event, render on until silent, at most this many seconds")
        ->capture_default_str()->check(CLI::Range(0.0, 600.0));
    app.add_option("-s,--set", settings, "Set a parameter before rendering: NAME=VALUE or INDEX=VALUE (repeatable)");
    app.add_option("--load-fxp", loadPath, "Load the plug-in's state from a program preset (.fxp)");
    app.add_option("--save-fxp", savePath, "Save the plug-in's state, after --load-fxp and --set, to a .fxp file");
    app.add_option("--picture", picturePath, "Spectrogram to write (default: the output's name with .png)");
    app.add_flag("--no-picture", noPicture, "Write no spectrogram");
    app.add_flag("--info", info, "List the plug-in's identity and parameters, then stop");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    }

    render::Plugin plugin(pluginPath);
    if (!loadPath.empty()) render::loadPreset(plugin, loadPath);
    for (const std::string& text : settings) {
        const render::ParameterSetting setting = render::resolveSetting(plugin, text);
        plugin.instance().setParameter(setting.index, setting.value);
    }
    if (!savePath.empty()) render::savePreset(plugin, savePath);
    if (info) {
        printInfo(plugin);
        return 0;
    }
    if (midiPath.empty() || outputPath.empty()) {
        if (!savePath.empty() && midiPath.empty() && outputPath.empty()) return 0;
        throw render::RenderError("a MIDI file and an output file (-o) are needed to render (see --help)");
    }

    const render::SampleFormat format = render::sampleFormatFromText(bits);
    const std::vector<render::TimedMidi> song = render::readMidiFile(midiPath, renderSettings.sampleRate);
    renderSettings.showProgress = isatty(STDERR_FILENO) != 0;
    {
        render::AudioFile out(outputPath, static_cast<int>(renderSettings.sampleRate), format);
        render::renderSong(plugin, song, renderSettings, out);
        out.commit();
    }
    if (!noPicture) {
        if (picturePath.empty()) picturePath = outputPath.substr(0, outputPath.find_last_of('.')) + ".png";
        render::writeSpectrogram(outputPath, picturePath);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const render::RenderError& error) {
        std::fprintf(stderr, "quorvel-render: %s\n", error.what());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvel-render: %s\n", error.what());
    }
    return 1;
}

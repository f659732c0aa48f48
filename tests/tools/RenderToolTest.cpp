// quorvel-render from outside: the same bits as a host rendering in process,
// foreign plug-ins, presets, and one clear line for every kind of bad input.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "golden/GoldenScripts.h"
#include "support/RecordingHost.h"
#include "support/ScriptRender.h"
#include "vst2/PluginLibrary.h"

namespace {

struct ToolRun {
    int status;
    std::string errors;
    std::string output;
};

std::string quoted(const std::string& text) { return "'" + text + "'"; }

std::string scratchDir() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/quorvel-render-test-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}

std::string scratch(const std::string& name) { return scratchDir() + "/" + name; }

ToolRun runTool(const std::vector<std::string>& arguments) {
    std::string command = quoted(vst2::besideExecutable("quorvel-render"));
    for (const std::string& argument : arguments) command += " " + quoted(argument);
    const std::string out = scratch("stdout.txt"), err = scratch("stderr.txt");
    command += " >" + quoted(out) + " 2>" + quoted(err);
    const int raw = std::system(command.c_str());
    const auto slurp = [](const std::string& path) {
        std::ifstream in(path);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    return ToolRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(err), slurp(out)};
}

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// A type 1 file whose ticks are frames at 44100 Hz: 22050 ticks per quarter at 120 bpm.
void writeMidi(const std::string& path, const testhost::Script& script) {
    const auto varLen = [](std::vector<unsigned char>& out, std::uint32_t value) {
        std::vector<unsigned char> bytes{static_cast<unsigned char>(value & 0x7F)};
        while (value >>= 7) bytes.insert(bytes.begin(), static_cast<unsigned char>((value & 0x7F) | 0x80));
        out.insert(out.end(), bytes.begin(), bytes.end());
    };
    std::vector<unsigned char> track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};  // 500000 us per quarter
    int last = 0;
    for (const testhost::ScriptEvent& event : script.events) {
        if (event.status == 0) continue;
        varLen(track, static_cast<std::uint32_t>(event.frame - last));
        last = event.frame;
        track.insert(track.end(), {event.status, event.data1, event.data2});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    std::vector<unsigned char> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0x56, 0x22, 'M', 'T', 'r', 'k'};
    const std::uint32_t size = static_cast<std::uint32_t>(track.size());
    file.insert(file.end(), {static_cast<unsigned char>(size >> 24), static_cast<unsigned char>(size >> 16),
                             static_cast<unsigned char>(size >> 8), static_cast<unsigned char>(size)});
    file.insert(file.end(), track.begin(), track.end());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                static_cast<std::streamsize>(file.size()));
}

testhost::Script midiOnly(const testhost::Script& script) {
    testhost::Script plain{{}, {512}, 0};
    for (const testhost::ScriptEvent& event : script.events)
        if (event.status != 0) plain.events.push_back(event);
    plain.totalFrames = plain.events.back().frame + 1;
    return plain;
}

testhost::Rendered readWav(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    testhost::Rendered rendered;
    if (file == nullptr) return rendered;
    std::vector<float> interleaved(static_cast<std::size_t>(info.frames) * 2);
    sf_readf_float(file, interleaved.data(), info.frames);
    sf_close(file);
    for (std::size_t i = 0; i < interleaved.size(); i += 2) {
        rendered.left.push_back(interleaved[i]);
        rendered.right.push_back(interleaved[i + 1]);
    }
    return rendered;
}

class RenderTool : public ::testing::TestWithParam<const char*> {};

TEST_P(RenderTool, RendersTheSameBitsAsAHostInProcess) {
    const testhost::Script script = midiOnly(std::string(GetParam()) == "QuorvelMono" ? golden::monoScript()
                                                                                      : golden::polyScript());
    const std::string midi = scratch(std::string(GetParam()) + ".mid");
    const std::string wav = scratch(std::string(GetParam()) + ".wav");
    writeMidi(midi, script);
    const ToolRun run = runTool({testhost::pluginFile(GetParam()), midi, "-o", wav, "--bits", "32f", "--tail", "0",
                             "--block", "512", "--rate", "44100", "--no-picture"});
    ASSERT_EQ(run.status, 0) << run.errors;

    vst2::PluginLibrary library(testhost::pluginFile(GetParam()));
    testhost::RecordingHost host;
    testhost::Instance instance(library, host);
    const testhost::Rendered expected = testhost::renderScript(instance, 44100.0f, script);
    const testhost::Rendered actual = readWav(wav);
    ASSERT_EQ(actual.left.size(), expected.left.size());
    EXPECT_EQ(testhost::checksum(actual), testhost::checksum(expected));
}

INSTANTIATE_TEST_SUITE_P(Instruments, RenderTool, ::testing::Values("QuorvelMono", "QuorvelPoly"));

TEST(RenderToolForeign, PlaysASynthesizerFromAnotherMaker) {
    const std::string kars = "/usr/lib/vst/Kars-vst.so";
    ASSERT_TRUE(exists(kars)) << "the dpf-plugins-vst package is missing (scripts/setup.sh installs it)";
    const std::string midi = scratch("foreign.mid"), wav = scratch("foreign.wav"), png = scratch("foreign.png");
    writeMidi(midi, midiOnly(golden::monoScript()));
    const ToolRun run = runTool({kars, midi, "-o", wav, "--tail", "1"});
    ASSERT_EQ(run.status, 0) << run.errors;
    const testhost::Rendered rendered = readWav(wav);
    float peak = 0.0f;
    for (float sample : rendered.left) peak = std::max(peak, std::fabs(sample));
    EXPECT_GT(peak, 0.01f);
    EXPECT_TRUE(exists(png));
}

TEST(RenderToolPresets, SavedStateLoadsBackAndIsAStandardProgramFile) {
    const std::string mono = testhost::pluginFile("QuorvelMono");
    const std::string preset = scratch("cut.fxp");
    ASSERT_EQ(runTool({mono, "--set", "Cut=0.6", "--set", "8=0.2", "--save-fxp", preset}).status, 0);
    std::ifstream in(preset, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 60u + 72u);
    EXPECT_EQ(bytes.substr(0, 4), "CcnK");
    EXPECT_EQ(bytes.substr(8, 4), "FPCh");
    EXPECT_EQ(bytes.substr(16, 4), "Qvrl");

    const ToolRun info = runTool({mono, "--load-fxp", preset, "--info"});
    ASSERT_EQ(info.status, 0) << info.errors;
    EXPECT_NE(info.output.find("  6  Cut        Ynk      0.6\n"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("  8  Attack     Ynk      0.2\n"), std::string::npos) << info.output;
}

TEST(RenderToolHelp, ShowsACompleteExample) {
    const ToolRun run = runTool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("Example:"), std::string::npos);
    EXPECT_NE(run.output.find("--set"), std::string::npos);
}

TEST(RenderToolErrors, BadInputGivesOneLineANonZeroExitAndNoOutputFile) {
    const std::string mono = testhost::pluginFile("QuorvelMono"), poly = testhost::pluginFile("QuorvelPoly");
    const std::string good = scratch("good.mid");
    writeMidi(good, midiOnly(golden::monoScript()));
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string truncated = scratch("truncated.mid"), malformed = scratch("malformed.mid");
    std::ofstream(truncated, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    std::ofstream(malformed, std::ios::binary) << "MThd" << std::string(40, '\x7f');
    const std::string polyPreset = scratch("poly.fxp");
    ASSERT_EQ(runTool({poly, "--save-fxp", polyPreset}).status, 0);

    struct Case {
        const char* what;
        std::vector<std::string> arguments;
    };
    const std::string out = scratch("never.wav");
    const Case cases[] = {
        {"missing MIDI file", {mono, scratch("absent.mid"), "-o", out}},
        {"missing plug-in", {scratch("absent.so"), good, "-o", out}},
        {"a library that is not a plug-in", {vst2::besideExecutable("NotAPlugin.so"), good, "-o", out}},
        {"not a library at all", {good, good, "-o", out}},
        {"an entry that returns null", {vst2::besideExecutable("NullEntry.so"), good, "-o", out}},
        {"truncated MIDI", {mono, truncated, "-o", out}},
        {"malformed MIDI", {mono, malformed, "-o", out}},
        {"unknown parameter", {mono, good, "-o", out, "--set", "Wobble=1"}},
        {"ambiguous parameter", {mono, good, "-o", out, "--set", "Decay=0.5"}},
        {"parameter index out of range", {mono, good, "-o", out, "--set", "18=0.5"}},
        {"value that is no number", {mono, good, "-o", out, "--set", "Cut=loud"}},
        {"preset of another plug-in", {mono, good, "-o", out, "--load-fxp", polyPreset}},
        {"preset that is no preset", {mono, good, "-o", out, "--load-fxp", good}},
        {"unwritable output", {mono, good, "-o", "/nonexistent-dir/out.wav"}},
        {"unknown output format", {mono, good, "-o", scratch("never.ogx")}},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_EQ(run.errors.rfind("quorvel-render: ", 0), 0u) << c.what << ": " << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << c.what << ": " << run.errors;
        EXPECT_FALSE(exists(out)) << c.what;
    }
    EXPECT_FALSE(exists(scratch("never.png")));
    const ToolRun listing = runTool({"--help"});  // keeps the scratch files below from being the tool's own
    for (const char* leftover : {"never.wav.part", "never.ogx"})
        EXPECT_EQ(std::system(("ls " + scratchDir() + " | grep -q '" + leftover + "'").c_str()) == 0, false) << leftover;
}

TEST(RenderToolErrors, DamagedMidiFilesNeverCrashTheTool) {
    const std::string good = scratch("whole.mid"), damaged = scratch("damaged.mid");
    writeMidi(good, midiOnly(golden::polyScript()));
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (std::size_t at = 8; at < bytes.size(); at += 3) {
        for (char replacement : {'\x00', '\x7f', '\xff'}) {
            std::string copy = bytes;
            copy[at] = replacement;
            std::ofstream(damaged, std::ios::binary) << copy;
            const ToolRun run = runTool({testhost::pluginFile("QuorvelPoly"), damaged, "-o", scratch("damaged.wav"),
                                         "--tail", "0", "--no-picture"});
            EXPECT_TRUE(run.status == 0 || run.status == 1) << "byte " << at << ": " << run.errors;
        }
    }
}

}  // namespace

#include "Preset.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "Plugin.h"
#include "RenderError.h"

namespace render {

using namespace vst2;

namespace {

// Every number in the file is big-endian.
void putInt(std::vector<char>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::uint32_t getInt(const std::vector<char>& in, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(in[at + i]);
    return value;
}

std::uint32_t floatBits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return bits;
}

float bitsFloat(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

constexpr std::uint32_t kBankMagic = 0x43636E4B;      // 'CcnK'
constexpr std::uint32_t kChunkPreset = 0x46504368;    // 'FPCh'
constexpr std::uint32_t kParamsPreset = 0x4678436B;   // 'FxCk'
constexpr std::size_t kNameOffset = 28;
constexpr std::size_t kNameBytes = 28;
constexpr std::size_t kHeaderBytes = kNameOffset + kNameBytes;  // up to the chunk size or the values

}  // namespace

void loadPreset(Plugin& plugin, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RenderError("cannot read preset '" + path + "'");
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto malformed = [&] { return RenderError("'" + path + "' is not a program preset (.fxp) file"); };
    if (bytes.size() < kHeaderBytes || getInt(bytes, 0) != kBankMagic) throw malformed();
    const std::uint32_t kind = getInt(bytes, 8);
    if (kind != kChunkPreset && kind != kParamsPreset) throw malformed();

    const std::uint32_t id = getInt(bytes, 16);
    const std::uint32_t count = getInt(bytes, 24);
    if (id != static_cast<std::uint32_t>(plugin.uniqueId()) ||
        count != static_cast<std::uint32_t>(plugin.parameterCount()))
        throw RenderError("'" + path + "' is a preset for another plug-in");

    char name[kNameBytes + 1] = {};
    std::memcpy(name, &bytes[kNameOffset], kNameBytes);
    HostedPlugin& instance = plugin.instance();
    if (kind == kChunkPreset) {
        if (bytes.size() < kHeaderBytes + 4) throw malformed();
        const std::uint32_t size = getInt(bytes, kHeaderBytes);
        if (size > bytes.size() - kHeaderBytes - 4) throw malformed();
        std::vector<char> chunk(bytes.begin() + kHeaderBytes + 4, bytes.begin() + kHeaderBytes + 4 + size);
        if (instance.dispatch(effSetChunk, 1, static_cast<VstIntPtr>(size), chunk.data()) == 0 && size != 0)
            throw RenderError("the plug-in refused the state in '" + path + "'");
    } else {
        if (bytes.size() < kHeaderBytes + 4 * static_cast<std::size_t>(count)) throw malformed();
        for (std::uint32_t i = 0; i < count; ++i)
            instance.setParameter(static_cast<VstInt32>(i), bitsFloat(getInt(bytes, kHeaderBytes + 4 * i)));
    }
    instance.dispatch(effSetProgramName, 0, 0, name);
}

void savePreset(Plugin& plugin, const std::string& path) {
    HostedPlugin& instance = plugin.instance();
    std::vector<char> body;
    const bool chunked = plugin.hasChunks();
    putInt(body, chunked ? kChunkPreset : kParamsPreset);
    putInt(body, 1);  // format version
    putInt(body, static_cast<std::uint32_t>(plugin.uniqueId()));
    putInt(body, static_cast<std::uint32_t>(plugin.version()));
    putInt(body, static_cast<std::uint32_t>(plugin.parameterCount()));
    char name[kNameBytes] = {};
    std::strncpy(name, instance.text(effGetProgramName).c_str(), kNameBytes - 1);
    body.insert(body.end(), name, name + kNameBytes);
    if (chunked) {
        void* data = nullptr;
        const VstIntPtr size = instance.dispatch(effGetChunk, 1, 0, &data);
        if (size < 0 || (size > 0 && data == nullptr)) throw RenderError("the plug-in gave no state to save");
        putInt(body, static_cast<std::uint32_t>(size));
        body.insert(body.end(), static_cast<char*>(data), static_cast<char*>(data) + size);
    } else {
        for (int i = 0; i < plugin.parameterCount(); ++i) putInt(body, floatBits(instance.getParameter(i)));
    }
    std::vector<char> file;
    putInt(file, kBankMagic);
    putInt(file, static_cast<std::uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());

    const std::string temporary = path + ".part-" + std::to_string(getpid());
    std::ofstream out(temporary, std::ios::binary);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw RenderError("cannot write preset '" + path + "'");
    }
}

}  // namespace render

#include "MidiSource.h"

#include <glib.h>
#include <smf.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "RenderError.h"

namespace render {

namespace {

// The reader reports problems through glib's log; we report them ourselves.
void quiet(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// The reader stops the program on some damaged files, so every chunk and
// event is checked to lie inside the file before it reads them.
class Checker {
public:
    Checker(const std::vector<unsigned char>& bytes, const std::string& path) : bytes(bytes), path(path) {}

    void check() {
        if (bytes.size() < 14 || !tagAt(0, "MThd") || number(4, 4) < 6) fail("has no MIDI header");
        const std::uint32_t tracks = number(10, 2);
        std::size_t at = 8 + number(4, 4);
        std::uint32_t found = 0;
        while (at < bytes.size()) {
            if (bytes.size() - at < 8) fail("is truncated");
            const std::size_t length = number(at + 4, 4);
            if (length > bytes.size() - at - 8) fail("is truncated");
            if (tagAt(at, "MTrk")) {
                checkTrack(at + 8, at + 8 + length);
                ++found;
            }
            at += 8 + length;
        }
        if (found != tracks || tracks == 0) fail("is truncated or has a wrong track count");
    }

private:
    [[noreturn]] void fail(const std::string& why) { throw RenderError("MIDI file '" + path + "' " + why); }
    bool tagAt(std::size_t at, const char* tag) const { return std::memcmp(&bytes[at], tag, 4) == 0; }
    std::size_t number(std::size_t at, int size) const {
        std::size_t value = 0;
        for (int i = 0; i < size; ++i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
        return value;
    }
    std::size_t variableLength(std::size_t& at, std::size_t end) {
        std::size_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (at >= end) fail("has an event that runs past its track");
            const unsigned char byte = bytes[at++];
            value = value << 7 | (byte & 0x7F);
            if ((byte & 0x80) == 0) return value;
        }
        fail("has a malformed length");
    }
    void checkTrack(std::size_t at, std::size_t end) {
        unsigned char running = 0;
        bool ended = false;
        while (at < end && !ended) {
            variableLength(at, end);
            if (at >= end) fail("has an event that runs past its track");
            unsigned char status = bytes[at];
            if (status >= 0x80) ++at;
            if (status == 0xFF) {
                if (at >= end) fail("has an event that runs past its track");
                ended = bytes[at++] == 0x2F;
                skip(at, end, variableLength(at, end));
                running = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                skip(at, end, variableLength(at, end));
                running = 0;
            } else if (status > 0xF0) {
                fail("has a system message a file may not hold");
            } else {
                if (status < 0x80) status = running;
                if (status == 0) fail("has data without a status byte");
                running = status;
                const int data = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
                for (int i = 0; i < data; ++i)
                    if (at >= end || bytes[at++] >= 0x80) fail("has a malformed channel message");
            }
        }
        if (!ended) fail("has a track without its end");
    }
    void skip(std::size_t& at, std::size_t end, std::size_t length) {
        if (length > end - at) fail("has an event that runs past its track");
        at += length;
    }

    const std::vector<unsigned char>& bytes;
    const std::string& path;
};

}  // namespace

std::vector<TimedMidi> readMidiFile(const std::string& path, double sampleRate) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RenderError("cannot read MIDI file '" + path + "'");
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Checker(bytes, path).check();
    g_log_set_default_handler(quiet, nullptr);
    std::unique_ptr<smf_t, void (*)(smf_t*)> song(smf_load(path.c_str()), smf_delete);
    if (song == nullptr) throw RenderError("'" + path + "' is not a readable Standard MIDI File");

    std::vector<TimedMidi> messages;
    while (smf_event_t* event = smf_get_next_event(song.get())) {
        if (smf_event_is_metadata(event) || smf_event_is_sysex(event) || event->midi_buffer_length < 1) continue;
        const unsigned char* bytes = event->midi_buffer;
        if (bytes[0] < 0x80 || bytes[0] >= 0xF0) continue;  // channel messages only
        TimedMidi message{std::llround(event->time_seconds * sampleRate), bytes[0], 0, 0};
        if (event->midi_buffer_length > 1) message.data1 = bytes[1];
        if (event->midi_buffer_length > 2) message.data2 = bytes[2];
        messages.push_back(message);
    }
    return messages;
}

}  // namespace render

// The value-to-text operations of EffectBase.
#include <cmath>
#include <cstdint>

#include "host/EffectBase.h"
#include "host/TextCopy.h"

namespace quorvel {

namespace {

const char kHuge[] = "Huge!";

// The digit of fmod(x, 10) truncated; not-a-number and infinities give '0'.
char digitOf(double x) {
    const double d = std::fmod(x, 10.0);
    if (!(d >= 0.0 && d < 10.0)) return '0';
    return static_cast<char>('0' + static_cast<int>(d));
}

}  // namespace

void EffectBase::floatToText(float value, char* text, int maxLen) {
    if (text == nullptr || maxLen < 0) return;
    double v = value;
    const bool negative = v < 0.0;
    int count = 0;
    if (negative) {
        v = -v;
        count = 1;
        if (v > 9999999.0) return copyText(text, kHuge, maxLen);
    } else if (v > 99999999.0) {
        return copyText(text, kHuge, maxLen);
    }

    char work[32];
    char* first = &work[30];
    work[31] = '\0';
    work[30] = '.';
    double integer = std::floor(v);
    *--first = digitOf(integer);
    integer *= 0.1;
    count += 2;
    while (integer >= 1.0 && count < 8) {
        *--first = digitOf(integer);
        integer *= 0.1;
        ++count;
    }
    if (negative) *--first = '-';
    copyText(text, first, maxLen);

    if (count < 8) {
        const int digits = 8 - count;
        double fraction = std::fmod(v, 1.0) * std::pow(10.0, digits);
        char fractionText[9];
        fractionText[digits] = '\0';
        for (int i = digits - 1; i >= 0; --i) {
            if (fraction > 0.0) {
                fractionText[i] = digitOf(fraction);
                fraction *= 0.1;
            } else {
                fractionText[i] = '0';
            }
        }
        appendText(text, fractionText, maxLen);
    }
}

void EffectBase::intToText(VstInt32 value, char* text, int maxLen) {
    if (text == nullptr || maxLen < 0) return;
    // Nine digits cover both limits; beyond them the text would need a tenth.
    if (value >= 100000000 || value <= -1000000000) return copyText(text, kHuge, maxLen);
    std::int64_t rest = value;
    copyText(text, rest < 0 ? "-" : "", maxLen);
    if (rest < 0) rest = -rest;
    bool seenDigit = false;
    for (std::int64_t divisor = 100000000; divisor >= 1; divisor /= 10) {
        const std::int64_t digit = rest / divisor;
        rest -= digit * divisor;
        if (digit != 0) seenDigit = true;
        if (seenDigit || divisor == 1) {
            const char digitText[2] = {static_cast<char>('0' + digit), '\0'};
            appendText(text, digitText, maxLen);
        }
    }
}

void EffectBase::decibelsToText(float gain, char* text, int maxLen) {
    if (gain <= 0.0f) return copyText(text, "-oo", maxLen);
    floatToText(static_cast<float>(20.0 * std::log10(static_cast<double>(gain))), text, maxLen);
}

void EffectBase::samplesToHertzText(float samples, char* text, int maxLen) {
    floatToText(samples == 0.0f ? 0.0f : sampleRate / samples, text, maxLen);
}

void EffectBase::samplesToMillisecondsText(float samples, char* text, int maxLen) {
    floatToText(static_cast<float>(samples * 1000.0 / sampleRate), text, maxLen);
}

}  // namespace quorvel

// Bounded text copies into host buffers of n + 1 bytes.
#pragma once

#include <cstring>

namespace quorvel {

// Copies at most n characters, zero-fills the rest of the n bytes and writes a
// zero at position n, so the host always receives a terminated text.
inline void copyText(char* dst, const char* src, int n) {
    if (dst == nullptr || n < 0) return;
    if (src == nullptr) src = "";
    int i = 0;
    for (; i < n && src[i] != '\0'; ++i) dst[i] = src[i];
    for (; i <= n; ++i) dst[i] = '\0';
}

// Appends src while the text stays within n characters, then terminates at n.
inline void appendText(char* dst, const char* src, int n) {
    if (dst == nullptr || src == nullptr || n < 0) return;
    std::size_t used = std::strlen(dst);
    const std::size_t limit = static_cast<std::size_t>(n);
    while (used < limit && *src != '\0') dst[used++] = *src++;
    dst[used] = '\0';
    dst[n] = '\0';
}

}  // namespace quorvel

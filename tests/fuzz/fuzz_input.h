// What the fuzz targets share: the input bytes as the texts a parser reads,
// and a check that stops the run when a promise of the code is broken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace brelvix::fuzz {

// UTF-8 where the bytes form it (up to three bytes, as a Windows wchar_t
// holds), any other byte as the Latin-1 letter it stands for: seeds stay
// readable and every character still reaches the parsers.
inline std::wstring Text(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i < size; ++i) {
        unsigned value = data[i];
        std::size_t more = value >= 0xE0 && value < 0xF0 ? 2 : value >= 0xC2 && value < 0xE0;
        unsigned decoded = value & (more == 2 ? 0x0F : 0x1F);
        bool whole = more > 0 && i + more < size;
        for (std::size_t k = 1; whole && k <= more; ++k) {
            whole = (data[i + k] & 0xC0) == 0x80;
            decoded = (decoded << 6) | (data[i + k] & 0x3F);
        }
        text += static_cast<wchar_t>(whole ? decoded : value);
        i += whole ? more : 0;
    }
    return text;
}

// The text cut at each line feed, for targets that read several texts.
inline std::vector<std::wstring> Lines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> lines(1);
    for (wchar_t c : Text(data, size)) {
        if (c == L'\n') {
            lines.emplace_back();
        } else {
            lines.back().push_back(c);
        }
    }
    return lines;
}

} // namespace brelvix::fuzz

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? (void)0                                                                         \
                 : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition),   \
                    std::abort()))

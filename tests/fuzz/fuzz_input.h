// What the fuzz targets share: the input bytes cut at each line feed into the
// texts a parser reads (a byte a character, so the seeds are plain Latin-1
// text), and a check that stops the run when a promise of the code is broken
// (libFuzzer then reports the line and keeps the input).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

inline std::vector<std::wstring> FuzzLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += data[i];
        }
    }
    return lines;
}

#define FUZZ_CHECK(ok) ((ok) ? (void)0 : std::abort())

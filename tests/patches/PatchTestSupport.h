#pragma once

// What the patch tests share: hand-built fixtures read from their hex text, and the message of a
// refusal.

#include "patch/PatchError.h"

#include <kiv/Error.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// The bytes of tests/patches/fixtures/`name`: hexadecimal pairs, "#" to the end of a line a
// comment.
inline Bytes fixture(const std::string& name) {
    std::ifstream in(std::string(TARNWICK_PATCH_FIXTURES) + "/" + name);
    Bytes bytes;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        while (words >> word)
            bytes.push_back(uint8_t(std::stoul(word, nullptr, 16)));
    }
    return bytes;
}

struct Refusal {
    int32_t number = 0;
    std::string message; // empty when nothing was refused
};

inline Refusal refusalOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const kiv::Error& e) {
        return {e.number(), e.description()};
    }
    return {};
}

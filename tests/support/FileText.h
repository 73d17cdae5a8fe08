#pragma once

// Small helpers for tests that run programs and read the files they leave.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Every byte of the file at `path` ("" when it cannot be read).
inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// `arg` quoted for the shell, so that any path reaches the program as one argument.
inline std::string quoted(const std::string& arg) {
    std::string out = "'";
    for (char c : arg)
        if (c == '\'')
            out.append("'\\''");
        else
            out.push_back(c);
    return out + "'";
}

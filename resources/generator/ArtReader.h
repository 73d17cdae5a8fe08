#pragma once

#include "Pictures.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A fault in an art file; the message starts with "file:line: ".
class ArtError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the program's pictures from text-art files (resources/art/*.txt):
//
//   # a comment
//   legend
//   . #a8d4ff sky          one character, its colour, and a name for the reader
//   k #201818 ink
//
//   picture 19             the picture's number, then one character per pixel,
//   ..kk..                 every row as wide as the first, up to a blank line
//   .k..k.
//
// A legend character is any printable character but a space and '#', and holds for the rest of
// its file. Numbers are unique across all the files read.
class ArtReader {
public:
    // Adds every picture of the file; throws ArtError at the first fault.
    void read(const std::string& path);

    const std::vector<Picture>& pictures() const { return pictures_; }

private:
    std::vector<Picture> pictures_;
    std::map<int, std::string> placeOf_; // number -> where it was first drawn
};

#pragma once

// The render command: a picture of a whole level, drawn from the ROM's own tiles. It needs Qt Gui
// and is built only together with the editor.

#include <string>
#include <vector>

namespace cli {

struct RenderOutcome {
    enum class Kind { Done, WrongUsage, Failed };
    Kind kind;
    std::string message;
};

// `args` is "render ROM.gb LEVEL OUT.png [--objects]": every screen of LEVEL ("1-1" or "11") side
// by side in a PNG file, with --objects also the enemies, power-ups and pipes marked.
RenderOutcome render(const std::vector<std::string>& args);

} // namespace cli

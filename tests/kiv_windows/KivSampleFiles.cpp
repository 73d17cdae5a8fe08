// Writes, with the Linux library, the store files that the Windows component test compares
// against and loads: what the component must save byte for byte, and a file for it to read.
#include <kiv/ConfigFile.h>

#include <cstdio>
#include <exception>

namespace {

// The same calls, in the same order, as the component test makes before it saves.
void fillLikeTheComponentTest(kiv::ConfigFile& store) {
    store.WriteValue("Screens_11", "3");
    store.WriteValue("Name", "");
    store.WriteValue("Café", "€ 5 = five");
    store.WriteValue("gone", "x");
    store.WriteValue("Quote", "“A” – Åç");
    store.DelKey("gone");
    store.WriteValue("Greek", "Ωmega");
    store.SetSplit("Notes", "Note", "Line 1\r\nA & B\r\nLine 3", 8);
    store.WriteValueNoCheck("Screens_11", "dup");
    store.WriteValue("Controls", "\u0081\u008D\u008F\u0090\u009D");
}

// Content the component test expects to read back from a file of the Linux library.
void fillForTheComponentToLoad(kiv::ConfigFile& store) {
    store.WriteValue("Price", "12 €");
    store.WriteValue("Ünïcödé", "Œuvre – ‘x’ ÿ");
    store.SetSplit("Text", "T", "one & two\r\nthree", 5);
    store.WriteValue("Empty", "");
    store.WriteValue("eq", "a=b=c");
    store.WriteValue("Controls", "\u0081\u008D\u008F\u0090\u009D");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EXPECTED_SAVE FILE_TO_LOAD\n", argv[0]);
        return 2;
    }
    try {
        kiv::ConfigFile expected;
        fillLikeTheComponentTest(expected);
        expected.ConfigSave(argv[1]);
        kiv::ConfigFile toLoad;
        fillForTheComponentToLoad(toLoad);
        toLoad.ConfigSave(argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

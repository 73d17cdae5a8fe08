// A program of someone else's, built against the installed Kiv: it sets a key, reads it back,
// and reads it again from a saved store file.
#include <kiv/ConfigFile.h>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kiv_consumer STORE_FILE\n";
        return 2;
    }
    kiv::ConfigFile store;
    store.WriteValue("Screens_11", "17");
    const std::string value = store.GetValue("Screens_11");
    store.ConfigSave(argv[1]);
    kiv::ConfigFile loaded;
    loaded.ConfigLoad(argv[1]);
    std::cout << "Screens_11=" << value << " saved and loaded: " << loaded.GetValue("Screens_11")
              << '\n';
    return value == "17" && loaded.GetValue("Screens_11") == "17" &&
                   store.GetValue("Missing") == kiv::ConfigFile::NotFound
               ? 0
               : 1;
}

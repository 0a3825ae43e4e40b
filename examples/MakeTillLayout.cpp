// Writes the example till layout as a data file: make_till_layout examples/till.dat
#include <iostream>
#include <memory>

#include "examples/TillLayout.h"
#include "tolvane/files/DataFileWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_till_layout FILE\n";
        return 2;
    }
    auto image = std::make_unique<tolvane::KeyboardImage>();
    tolvane::examples::BuildTillLayout(*image);
    const std::filesystem::path path(argv[1]);
    const tolvane::FileWriteResult written =
        tolvane::SaveDataFile(*image, path, path.filename().string(), tolvane::LocalTimeNow());
    if (!written) {
        std::cerr << written.error << '\n';
        return 1;
    }
    return 0;
}

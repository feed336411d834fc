// Feeds every file of the folders given through the target's LLVMFuzzerTestOneInput, as the
// fuzzer would, so that an input that once failed keeps being checked by the ordinary tests.
// A failed property aborts; the exit code is 1 when a folder holds no input at all.

#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    int fed = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i], error)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        if (error) {
            std::cerr << argv[i] << ": " << error.message() << '\n';
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            std::cout << file.filename().string() << '\n' << std::flush;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++fed;
        }
    }
    std::cout << fed << " inputs\n";
    return fed > 0 ? 0 : 1;
}

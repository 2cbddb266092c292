// Runs a fuzz target over saved inputs without libFuzzer: every file of the folders (and every
// file) named on the command line, in name order. The target aborts on a broken invariant, so
// a faulty input ends the program with a non-zero status; the name of the input being run is
// printed first so that the failure points to it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

void CollectInputs(const fs::path& argument, std::vector<fs::path>& inputs) {
    if (fs::is_directory(argument)) {
        for (const auto& entry : fs::recursive_directory_iterator(argument)) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
    } else if (fs::is_regular_file(argument)) {
        inputs.push_back(argument);
    } else {
        std::fprintf(stderr, "no such input: %s\n", argument.c_str());
    }
}

bool ReadInput(const fs::path& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) CollectInputs(argv[i], inputs);
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s <corpus folder or input file>...\n", argv[0]);
        return 2;
    }
    std::vector<uint8_t> bytes;
    for (const fs::path& path : inputs) {
        if (!ReadInput(path, bytes)) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 1;
        }
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", path.c_str(), bytes.size());
        // A copy of exactly the input's size, as libFuzzer hands it: reading past it is caught.
        std::vector<uint8_t> exact(bytes);
        LLVMFuzzerTestOneInput(exact.data(), exact.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}

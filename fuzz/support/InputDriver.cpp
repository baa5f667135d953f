// The main() of a fuzz target in a build without libFuzzer: runs the target once over each file named, as
// libFuzzer does with -runs=1. Arguments starting with "-" are libFuzzer's options and are passed over, so
// run-inputs calls both builds alike.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s: cannot be read\n", argv[i]);
            return 1;
        }
        const std::vector<char> read{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        // A buffer of exactly the input's size, so AddressSanitizer sees a read past its end.
        const std::unique_ptr<std::uint8_t[]> input(new std::uint8_t[read.size()]);
        std::copy(read.cbegin(), read.cend(), input.get());
        LLVMFuzzerTestOneInput(input.get(), read.size());
    }
    return 0;
}

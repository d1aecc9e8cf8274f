// libFuzzer target: any byte string decodes to a sequence of operations on a composition, after
// which every invariant of the composition and its rendered script must hold.

#include "../support/operations.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tintforge;
    testing::ByteStream in(data, size);
    Composition composition;
    std::string glyphBox(FirstGlyph);
    while (!in.atEnd()) {
        testing::applyNextOperation(composition, glyphBox, in);
        const std::string broken = testing::brokenInvariant(composition);
        if (!broken.empty()) {
            std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
            std::abort();
        }
    }
    return 0;
}

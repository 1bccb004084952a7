// Olympus lens types: the lens's make (0 Olympus, 1 Sigma, 2 Panasonic and Leica), model and
// sub-model, which the Equipment IFD's LensType holds as its first, third and fourth bytes.
// The lenses listed are those whose files name them in their own LensModel entry (verified on
// real files); any other lens shows its numbers.
#include "tags/vendor_tags.h"

namespace brevino {
namespace {

// The key of a lens: its make, model and sub-model in the bytes the comparison keeps.
constexpr int32_t lens(uint32_t make, uint32_t model, uint32_t sub) {
    return static_cast<int32_t>(make << 24 | model << 8 | sub);
}
constexpr int32_t kLensBytes = static_cast<int32_t>(0xFF00FFFFu);

// clang-format off
const ValueName kOlympusLensTypeList[] = {
    {MatchBytes, lens(0, 0x00, 0x00), kLensBytes, "None"},
    {MatchBytes, lens(0, 0x13, 0x10), kLensBytes, "Olympus M.Zuiko Digital 14-42mm F3.5-5.6 II R"},
};
// clang-format on

}  // namespace

extern const std::span<const ValueName> kOlympusLensTypeNames = kOlympusLensTypeList;

}  // namespace brevino

// Olympus lens types: the lens's make (0 Olympus, 1 Sigma, 2 Panasonic and Leica), model and
// sub-model, which the Equipment IFD's LensType holds as its first, third and fourth bytes.
// The list follows metadata-extractor (drewnoakes/metadata-extractor).
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
    {MatchBytes, lens(0, 0x01, 0x00), kLensBytes, "Olympus Zuiko Digital ED 50mm F2.0 Macro"},
    {MatchBytes, lens(0, 0x01, 0x01), kLensBytes, "Olympus Zuiko Digital 40-150mm F3.5-4.5"},
    {MatchBytes, lens(0, 0x01, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 14-42mm F3.5-5.6"},
    {MatchBytes, lens(0, 0x02, 0x00), kLensBytes, "Olympus Zuiko Digital ED 150mm F2.0"},
    {MatchBytes, lens(0, 0x02, 0x10), kLensBytes, "Olympus M.Zuiko Digital 17mm F2.8 Pancake"},
    {MatchBytes, lens(0, 0x03, 0x00), kLensBytes, "Olympus Zuiko Digital ED 300mm F2.8"},
    {MatchBytes, lens(0, 0x03, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 14-150mm F4.0-5.6 [II]"},
    {MatchBytes, lens(0, 0x04, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 9-18mm F4.0-5.6"},
    {MatchBytes, lens(0, 0x05, 0x00), kLensBytes, "Olympus Zuiko Digital 14-54mm F2.8-3.5"},
    {MatchBytes, lens(0, 0x05, 0x01), kLensBytes, "Olympus Zuiko Digital Pro ED 90-250mm F2.8"},
    {MatchBytes, lens(0, 0x05, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 14-42mm F3.5-5.6 L"},
    {MatchBytes, lens(0, 0x06, 0x00), kLensBytes, "Olympus Zuiko Digital ED 50-200mm F2.8-3.5"},
    {MatchBytes, lens(0, 0x06, 0x01), kLensBytes, "Olympus Zuiko Digital ED 8mm F3.5 Fisheye"},
    {MatchBytes, lens(0, 0x06, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 40-150mm F4.0-5.6"},
    {MatchBytes, lens(0, 0x07, 0x00), kLensBytes, "Olympus Zuiko Digital 11-22mm F2.8-3.5"},
    {MatchBytes, lens(0, 0x07, 0x01), kLensBytes, "Olympus Zuiko Digital 18-180mm F3.5-6.3"},
    {MatchBytes, lens(0, 0x07, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 12mm F2.0"},
    {MatchBytes, lens(0, 0x08, 0x01), kLensBytes, "Olympus Zuiko Digital 70-300mm F4.0-5.6"},
    {MatchBytes, lens(0, 0x08, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 75-300mm F4.8-6.7"},
    {MatchBytes, lens(0, 0x09, 0x10), kLensBytes, "Olympus M.Zuiko Digital 14-42mm F3.5-5.6 II"},
    {MatchBytes, lens(0, 0x10, 0x01), kLensBytes, "Kenko Tokina Reflex 300mm F6.3 MF Macro"},
    {MatchBytes, lens(0, 0x10, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 12-50mm F3.5-6.3 EZ"},
    {MatchBytes, lens(0, 0x11, 0x10), kLensBytes, "Olympus M.Zuiko Digital 45mm F1.8"},
    {MatchBytes, lens(0, 0x12, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 60mm F2.8 Macro"},
    {MatchBytes, lens(0, 0x13, 0x10), kLensBytes, "Olympus M.Zuiko Digital 14-42mm F3.5-5.6 II R"},
    {MatchBytes, lens(0, 0x14, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 40-150mm F4.0-5.6 R"},
    {MatchBytes, lens(0, 0x15, 0x00), kLensBytes, "Olympus Zuiko Digital ED 7-14mm F4.0"},
    {MatchBytes, lens(0, 0x15, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 75mm F1.8"},
    {MatchBytes, lens(0, 0x16, 0x10), kLensBytes, "Olympus M.Zuiko Digital 17mm F1.8"},
    {MatchBytes, lens(0, 0x17, 0x00), kLensBytes, "Olympus Zuiko Digital Pro ED 35-100mm F2.0"},
    {MatchBytes, lens(0, 0x18, 0x00), kLensBytes, "Olympus Zuiko Digital 14-45mm F3.5-5.6"},
    {MatchBytes, lens(0, 0x18, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 75-300mm F4.8-6.7 II"},
    {MatchBytes, lens(0, 0x19, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 12-40mm F2.8 Pro"},
    {MatchBytes, lens(0, 0x20, 0x00), kLensBytes, "Olympus Zuiko Digital 35mm F3.5 Macro"},
    {MatchBytes, lens(0, 0x20, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 40-150mm F2.8 Pro"},
    {MatchBytes, lens(0, 0x21, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 14-42mm F3.5-5.6 EZ"},
    {MatchBytes, lens(0, 0x22, 0x00), kLensBytes, "Olympus Zuiko Digital 17.5-45mm F3.5-5.6"},
    {MatchBytes, lens(0, 0x22, 0x10), kLensBytes, "Olympus M.Zuiko Digital 25mm F1.8"},
    {MatchBytes, lens(0, 0x23, 0x00), kLensBytes, "Olympus Zuiko Digital ED 14-42mm F3.5-5.6"},
    {MatchBytes, lens(0, 0x23, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 7-14mm F2.8 Pro"},
    {MatchBytes, lens(0, 0x24, 0x00), kLensBytes, "Olympus Zuiko Digital ED 40-150mm F4.0-5.6"},
    {MatchBytes, lens(0, 0x24, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 300mm F4.0 IS Pro"},
    {MatchBytes, lens(0, 0x25, 0x10), kLensBytes, "Olympus M.Zuiko Digital ED 8mm F1.8 Fisheye Pro"},
    {MatchBytes, lens(0, 0x30, 0x00), kLensBytes, "Olympus Zuiko Digital ED 50-200mm F2.8-3.5 SWD"},
    {MatchBytes, lens(0, 0x31, 0x00), kLensBytes, "Olympus Zuiko Digital ED 12-60mm F2.8-4.0 SWD"},
    {MatchBytes, lens(0, 0x32, 0x00), kLensBytes, "Olympus Zuiko Digital ED 14-35mm F2.0 SWD"},
    {MatchBytes, lens(0, 0x33, 0x00), kLensBytes, "Olympus Zuiko Digital 25mm F2.8"},
    {MatchBytes, lens(0, 0x34, 0x00), kLensBytes, "Olympus Zuiko Digital ED 9-18mm F4.0-5.6"},
    {MatchBytes, lens(0, 0x35, 0x00), kLensBytes, "Olympus Zuiko Digital 14-54mm F2.8-3.5 II"},
    {MatchBytes, lens(1, 0x01, 0x00), kLensBytes, "Sigma 18-50mm F3.5-5.6 DC"},
    {MatchBytes, lens(1, 0x01, 0x10), kLensBytes, "Sigma 30mm F2.8 EX DN"},
    {MatchBytes, lens(1, 0x02, 0x00), kLensBytes, "Sigma 55-200mm F4.0-5.6 DC"},
    {MatchBytes, lens(1, 0x02, 0x10), kLensBytes, "Sigma 19mm F2.8 EX DN"},
    {MatchBytes, lens(1, 0x03, 0x00), kLensBytes, "Sigma 18-125mm F3.5-5.6 DC"},
    {MatchBytes, lens(1, 0x03, 0x10), kLensBytes, "Sigma 30mm F2.8 DN | A"},
    {MatchBytes, lens(1, 0x04, 0x00), kLensBytes, "Sigma 18-125mm F3.5-5.6 DC"},
    {MatchBytes, lens(1, 0x04, 0x10), kLensBytes, "Sigma 19mm F2.8 DN | A"},
    {MatchBytes, lens(1, 0x05, 0x00), kLensBytes, "Sigma 30mm F1.4 EX DC HSM"},
    {MatchBytes, lens(1, 0x05, 0x10), kLensBytes, "Sigma 60mm F2.8 DN | A"},
    {MatchBytes, lens(1, 0x06, 0x00), kLensBytes, "Sigma APO 50-500mm F4.0-6.3 EX DG HSM"},
    {MatchBytes, lens(1, 0x07, 0x00), kLensBytes, "Sigma Macro 105mm F2.8 EX DG"},
    {MatchBytes, lens(1, 0x08, 0x00), kLensBytes, "Sigma APO Macro 150mm F2.8 EX DG HSM"},
    {MatchBytes, lens(1, 0x09, 0x00), kLensBytes, "Sigma 18-50mm F2.8 EX DC Macro"},
    {MatchBytes, lens(1, 0x10, 0x00), kLensBytes, "Sigma 24mm F1.8 EX DG Aspherical Macro"},
    {MatchBytes, lens(1, 0x11, 0x00), kLensBytes, "Sigma APO 135-400mm F4.5-5.6 DG"},
    {MatchBytes, lens(1, 0x12, 0x00), kLensBytes, "Sigma APO 300-800mm F5.6 EX DG HSM"},
    {MatchBytes, lens(1, 0x13, 0x00), kLensBytes, "Sigma 30mm F1.4 EX DC HSM"},
    {MatchBytes, lens(1, 0x14, 0x00), kLensBytes, "Sigma APO 50-500mm F4.0-6.3 EX DG HSM"},
    {MatchBytes, lens(1, 0x15, 0x00), kLensBytes, "Sigma 10-20mm F4.0-5.6 EX DC HSM"},
    {MatchBytes, lens(1, 0x16, 0x00), kLensBytes, "Sigma APO 70-200mm F2.8 II EX DG Macro HSM"},
    {MatchBytes, lens(1, 0x17, 0x00), kLensBytes, "Sigma 50mm F1.4 EX DG HSM"},
    {MatchBytes, lens(2, 0x01, 0x00), kLensBytes, "Leica D Vario Elmarit 14-50mm F2.8-3.5 Asph."},
    {MatchBytes, lens(2, 0x01, 0x10), kLensBytes, "Lumix G Vario 14-45mm F3.5-5.6 Asph. Mega OIS"},
    {MatchBytes, lens(2, 0x02, 0x00), kLensBytes, "Leica D Summilux 25mm F1.4 Asph."},
    {MatchBytes, lens(2, 0x02, 0x10), kLensBytes, "Lumix G Vario 45-200mm F4.0-5.6 Mega OIS"},
    {MatchBytes, lens(2, 0x03, 0x00), kLensBytes, "Leica D Vario Elmar 14-50mm F3.8-5.6 Asph. Mega OIS"},
    {MatchBytes, lens(2, 0x03, 0x01), kLensBytes, "Leica D Vario Elmar 14-50mm F3.8-5.6 Asph."},
    {MatchBytes, lens(2, 0x03, 0x10), kLensBytes, "Lumix G Vario HD 14-140mm F4.0-5.8 Asph. Mega OIS"},
    {MatchBytes, lens(2, 0x04, 0x00), kLensBytes, "Leica D Vario Elmar 14-150mm F3.5-5.6"},
    {MatchBytes, lens(2, 0x04, 0x10), kLensBytes, "Lumix G Vario 7-14mm F4.0 Asph."},
    {MatchBytes, lens(2, 0x05, 0x10), kLensBytes, "Lumix G 20mm F1.7 Asph."},
    {MatchBytes, lens(2, 0x06, 0x10), kLensBytes, "Leica DG Macro-Elmarit 45mm F2.8 Asph. Mega OIS"},
    {MatchBytes, lens(2, 0x07, 0x10), kLensBytes, "Lumix G Vario 14-42mm F3.5-5.6 Asph. Mega OIS"},
    {MatchBytes, lens(2, 0x08, 0x10), kLensBytes, "Lumix G Fisheye 8mm F3.5"},
    {MatchBytes, lens(2, 0x09, 0x10), kLensBytes, "Lumix G Vario 100-300mm F4.0-5.6 Mega OIS"},
    {MatchBytes, lens(2, 0x10, 0x10), kLensBytes, "Lumix G 14mm F2.5 Asph."},
};
// clang-format on

}  // namespace

extern const std::span<const ValueName> kOlympusLensTypeNames = kOlympusLensTypeList;

}  // namespace brevino

#include "tags/tag_roles.h"

namespace brevino::tags {

bool isStructural(IfdKind ifd, uint16_t tag) {
    if (!isStandardIfd(ifd)) return false;
    switch (tag) {
        case kExifPointer:
        case kGpsPointer:
        case kInteropPointer:
        case kThumbnailOffset:
        case kThumbnailLength:
        case 0x0111:  // strip offsets
        case 0x0117:  // strip byte counts
        case 0x0144:  // tile offsets
        case 0x0145:  // tile byte counts
        case 0x014A:  // sub-IFD pointers
        case kMakerNote:
            return true;
        default:
            return false;
    }
}

bool isDate(IfdKind ifd, uint16_t tag) {
    return isStandardIfd(ifd) &&
           (tag == kDateTime || tag == kDateTimeOriginal || tag == kDateTimeDigitized);
}

}  // namespace brevino::tags

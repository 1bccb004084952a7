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
        case kSubIfds:
        case kMakerNote:
            return true;
        default:
            return false;
    }
}

bool isIfdPointer(IfdKind ifd, uint16_t tag) {
    return isStandardIfd(ifd) &&
           (tag == kExifPointer || tag == kGpsPointer || tag == kInteropPointer || tag == kSubIfds);
}

UndefinedForm undefinedForm(IfdKind ifd, uint16_t tag) {
    if (ifd == IfdKind::Interop && tag == kInteropVersion) return UndefinedForm::Version;
    if (ifd != IfdKind::Exif) return UndefinedForm::Bytes;
    switch (tag) {
        case kUserComment:
            return UndefinedForm::UserComment;
        case kExifVersion:
        case kFlashpixVersion:
            return UndefinedForm::Version;
        case kComponentsConfiguration:
        case kFileSource:
        case kSceneType:
            return UndefinedForm::Numbers;
        case kMakerNote:
            return UndefinedForm::ByteCount;
        default:
            return UndefinedForm::Bytes;
    }
}

bool isWindowsText(IfdKind ifd, uint16_t tag) {
    return (ifd == IfdKind::Zeroth || ifd == IfdKind::First) && tag >= 0x9C9B && tag <= 0x9C9F;
}

bool isDate(IfdKind ifd, uint16_t tag) {
    return isStandardIfd(ifd) &&
           (tag == kDateTime || tag == kDateTimeOriginal || tag == kDateTimeDigitized);
}

}  // namespace brevino::tags

#include "ui/picture_decoders.h"

namespace brevino::ui {

const PictureDecoder* pictureDecoderFor(ContainerKind kind) {
    static constexpr PictureDecoder kDecoders[] = {
        {ContainerKind::Heif, decodeHeif},
        {ContainerKind::Jxl, decodeJxl},
    };
    for (const PictureDecoder& decoder : kDecoders) {
        if (decoder.kind == kind) return &decoder;
    }
    return nullptr;
}

}  // namespace brevino::ui

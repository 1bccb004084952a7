// JPEG XL through libjxl, as 8-bit RGBA. libjxl turns the picture as the codestream's
// orientation says, which is how these files say how they stand.
#include <jxl/decode.h>
#include <jxl/decode_cxx.h>
#include <jxl/thread_parallel_runner.h>
#include <jxl/thread_parallel_runner_cxx.h>

#include <algorithm>

#include "ui/picture_decoders.h"

namespace brevino::ui {
namespace {

// Larger pictures are not decoded for a preview (a gigabyte of RGBA).
constexpr uint64_t kMaxPixels = uint64_t{1} << 28;

}  // namespace

QImage decodeJxl(const QByteArray& bytes, const DrawnSize& /*drawn*/, QSize* natural) {
    JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    if (!decoder) return {};
    // A few threads: the preview decodes one picture at a time.
    JxlThreadParallelRunnerPtr runner = JxlThreadParallelRunnerMake(
        nullptr, std::min<size_t>(JxlThreadParallelRunnerDefaultNumWorkerThreads(), 4));
    if (!runner || JxlDecoderSetParallelRunner(decoder.get(), JxlThreadParallelRunner,
                                               runner.get()) != JXL_DEC_SUCCESS)
        return {};
    if (JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE) !=
        JXL_DEC_SUCCESS)
        return {};
    if (JxlDecoderSetInput(decoder.get(), reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size())) != JXL_DEC_SUCCESS)
        return {};
    JxlDecoderCloseInput(decoder.get());
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage image;
    for (;;) {
        switch (JxlDecoderProcessInput(decoder.get())) {
            case JXL_DEC_BASIC_INFO: {
                JxlBasicInfo info;
                if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS) return {};
                // The size is before the orientation; the quarter turns swap it.
                const bool turned = info.orientation >= JXL_ORIENT_TRANSPOSE;
                const uint32_t width = turned ? info.ysize : info.xsize;
                const uint32_t height = turned ? info.xsize : info.ysize;
                if (width == 0 || height == 0 || uint64_t{width} * height > kMaxPixels) return {};
                image = QImage(static_cast<int>(width), static_cast<int>(height),
                               QImage::Format_RGBA8888);
                if (image.isNull()) return {};
                break;
            }
            case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
                size_t needed = 0;
                if (image.isNull() ||
                    JxlDecoderImageOutBufferSize(decoder.get(), &format, &needed) !=
                        JXL_DEC_SUCCESS ||
                    needed != static_cast<size_t>(image.sizeInBytes()))
                    return {};
                if (JxlDecoderSetImageOutBuffer(decoder.get(), &format, image.bits(), needed) !=
                    JXL_DEC_SUCCESS)
                    return {};
                break;
            }
            case JXL_DEC_FULL_IMAGE:
                *natural = image.size();
                return image;
            default:  // an error, or the input ended before the picture
                return {};
        }
    }
}

}  // namespace brevino::ui

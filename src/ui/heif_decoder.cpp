// HEIF and AVIF through libheif: the primary image, decoded to interleaved 8-bit RGB (RGBA when
// it has an alpha plane). libheif applies the file's rotation and mirroring boxes as it
// decodes, which is how these files say how they stand. A thumbnail of the primary image that
// is at least as large as the picture is drawn, of the same proportions, is decoded instead:
// a phone's 12-megapixel picture takes half a second, its thumbnail a few milliseconds.
#include <libheif/heif.h>

#include <memory>

#include "ui/picture_decoders.h"

namespace brevino::ui {
namespace {

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

void releaseImage(void* image) {
    heif_image_release(static_cast<heif_image*>(image));
}

using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;

// Sizes after the rotation boxes (libheif's handle sizes are).
QSize sizeOf(const heif_image_handle* handle) {
    return QSize(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
}

// The primary image's thumbnail that serves for `wanted`: no smaller, and of the same
// proportions as `natural` to a pixel.
Handle thumbnailFor(heif_image_handle* primary, QSize natural, QSize wanted) {
    const int count = heif_image_handle_get_number_of_thumbnails(primary);
    if (count <= 0 || count > 16) return nullptr;
    heif_item_id ids[16] = {};
    heif_image_handle_get_list_of_thumbnail_IDs(primary, ids, count);
    for (int i = 0; i < count; ++i) {
        heif_image_handle* found = nullptr;
        if (heif_image_handle_get_thumbnail(primary, ids[i], &found).code != heif_error_Ok)
            continue;
        Handle thumbnail(found);
        const QSize size = sizeOf(thumbnail.get());
        const bool largeEnough = size.width() >= wanted.width() && size.height() >= wanted.height();
        const qint64 skew =
            qAbs(qint64{size.width()} * natural.height() - qint64{size.height()} * natural.width());
        if (largeEnough && skew <= qMax(natural.width(), natural.height())) return thumbnail;
    }
    return nullptr;
}

}  // namespace

QImage decodeHeif(const QByteArray& bytes, const DrawnSize& drawn, QSize* natural) {
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context) return {};
    // The bytes outlive the context: they are not copied.
    if (heif_context_read_from_memory_without_copy(context.get(), bytes.constData(),
                                                   static_cast<size_t>(bytes.size()), nullptr)
            .code != heif_error_Ok)
        return {};
    heif_image_handle* primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return {};
    Handle handle(primary);
    *natural = sizeOf(handle.get());
    if (Handle thumbnail = thumbnailFor(handle.get(), *natural, drawn(*natural)))
        handle = std::move(thumbnail);
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    options->ignore_transformations = 0;
    heif_image* decoded = nullptr;
    if (heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          options.get())
                .code != heif_error_Ok ||
        decoded == nullptr)
        return {};
    int stride = 0;
    uint8_t* pixels = heif_image_get_plane(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_primary_width(decoded);
    const int height = heif_image_get_primary_height(decoded);
    if (pixels == nullptr || width <= 0 || height <= 0) {
        heif_image_release(decoded);
        return {};
    }
    // The QImage keeps libheif's pixels and releases them with itself.
    return QImage(pixels, width, height, stride,
                  alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888, releaseImage, decoded);
}

}  // namespace brevino::ui

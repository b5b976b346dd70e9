// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/content/RpJpegImage.h"

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace report {
namespace {

// libjpeg's default error handling ends the process. Ours jumps back to the call that started the
// library, which then raises JpegError. Warnings are corrupt data (a truncated file, a bad Huffman
// code, a marker in the middle of a segment) and jump as well.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
};

[[noreturn]] void failJump(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->code = info->err->msg_code;
    std::longjmp(errors->jump, 1);
}

void emitMessage(j_common_ptr info, int level) {
    if (level < 0)
        failJump(info);
}

void outputNothing(j_common_ptr) {}

// The image bytes as the library's data source. Running out of data is reported as the library's
// own end-of-file warning, which the error manager turns into an error.
struct MemorySource {
    jpeg_source_mgr pub;
    const JOCTET* data;
    size_t size;
};

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info) {
    static const JOCTET endOfImage[2] = {0xFF, JPEG_EOI};
    WARNMS(info, JWRN_JPEG_EOF);
    info->src->next_input_byte = endOfImage;
    info->src->bytes_in_buffer = 2;
    return TRUE;
}

void skipInputData(j_decompress_ptr info, long count) {
    jpeg_source_mgr* src = info->src;
    while (count > static_cast<long>(src->bytes_in_buffer)) {
        count -= static_cast<long>(src->bytes_in_buffer);
        fillInputBuffer(info);
    }
    if (count > 0) {
        src->next_input_byte += count;
        src->bytes_in_buffer -= static_cast<size_t>(count);
    }
}

void termSource(j_decompress_ptr) {}

// Everything the library touches lives here, outside the frames that set the jump target, so that
// nothing a jump skips has a destructor and nothing it returns to is left indeterminate.
struct Session {
    jpeg_decompress_struct info;
    ErrorManager errors;
    MemorySource source;
};

void begin(Session* s, const std::string& bytes) {
    s->info.err = jpeg_std_error(&s->errors.pub);
    s->errors.pub.error_exit = failJump;
    s->errors.pub.emit_message = emitMessage;
    s->errors.pub.output_message = outputNothing;
    s->errors.code = 0;
    jpeg_create_decompress(&s->info);
    s->source.pub.init_source = initSource;
    s->source.pub.fill_input_buffer = fillInputBuffer;
    s->source.pub.skip_input_data = skipInputData;
    s->source.pub.resync_to_restart = jpeg_resync_to_restart;
    s->source.pub.term_source = termSource;
    s->source.data = reinterpret_cast<const JOCTET*>(bytes.data());
    s->source.size = bytes.size();
    s->source.pub.next_input_byte = s->source.data;
    s->source.pub.bytes_in_buffer = s->source.size;
    s->info.src = &s->source.pub;
}

// Larger images are damaged headers rather than pictures; refusing them keeps a bad file from
// asking for gigabytes.
constexpr long long maxPixels = 64LL * 1024 * 1024;

// Each returns false with the library's message number in s->errors.code.
bool readHeader(Session* s, const std::string& bytes, int* width, int* height) {
    if (setjmp(s->errors.jump)) {
        jpeg_destroy_decompress(&s->info);
        return false;
    }
    begin(s, bytes);
    jpeg_read_header(&s->info, TRUE);
    *width = static_cast<int>(s->info.image_width);
    *height = static_cast<int>(s->info.image_height);
    if (static_cast<long long>(*width) * *height > maxPixels)
        ERREXIT1(&s->info, JERR_IMAGE_TOO_BIG, JPEG_MAX_DIMENSION);
    jpeg_destroy_decompress(&s->info);
    return true;
}

inline uint32_t rgb(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | r << 16 | g << 8 | b;
}

// Writes the image into 32-bit rows (0xFFRRGGBB) of the size the header gave when it was loaded.
bool decode(Session* s, const std::string& bytes, uchar* bits, qsizetype bytesPerLine) {
    if (setjmp(s->errors.jump)) {
        jpeg_destroy_decompress(&s->info);
        return false;
    }
    begin(s, bytes);
    jpeg_read_header(&s->info, TRUE);
    jpeg_decompress_struct& info = s->info;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        break;
    default:
        info.out_color_space = JCS_RGB;
        break;
    }
    info.scale_num = 1;
    info.scale_denom = 1;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * components, 1);
    // Adobe writes CMYK inverted.
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        auto* out = reinterpret_cast<uint32_t*>(bits + bytesPerLine * info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        const JSAMPLE* p = row[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x, p += components) {
            if (components == 1) {
                out[x] = rgb(p[0], p[0], p[0]);
            } else if (components == 3) {
                out[x] = rgb(p[0], p[1], p[2]);
            } else {
                const unsigned c = inverted ? p[0] : 255 - p[0], m = inverted ? p[1] : 255 - p[1],
                               y = inverted ? p[2] : 255 - p[2], k = inverted ? p[3] : 255 - p[3];
                out[x] = rgb(c * k / 255, m * k / 255, y * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

JpegError::JpegError(int code)
    : platform::Error("JPEG error #" + std::to_string(code))
    , code_(code) {}

void TrpJpegImage::LoadFromBytes(std::string bytes) {
    Session session{};
    int width = 0, height = 0;
    if (!readHeader(&session, bytes, &width, &height))
        throw JpegError(session.errors.code);
    bytes_ = std::move(bytes);
    width_ = width;
    height_ = height;
    decoded_ = QImage();
}

QImage TrpJpegImage::Image() {
    if (decoded_.isNull() && !Empty()) {
        QImage image(width_, height_, QImage::Format_RGB32);
        if (image.isNull())
            throw JpegError(JERR_OUT_OF_MEMORY);
        Session session{};
        if (!decode(&session, bytes_, image.bits(), image.bytesPerLine()))
            throw JpegError(session.errors.code);
        decoded_ = image;
    }
    return decoded_;
}

std::unique_ptr<TrpGraphic> TrpJpegImage::Clone() const {
    return std::make_unique<TrpJpegImage>(*this);
}

} // namespace report

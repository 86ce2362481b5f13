#include "jpeg_image.h"

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

#ifndef JCS_EXTENSIONS
#error "libjpeg-turbo's extended colour spaces are needed (JCS_EXT_BGRX)"
#endif

namespace JpegImage {

namespace {

// Format_RGB32 keeps a pixel as the 32-bit word 0xffRRGGBB, so its bytes in memory follow
// the machine's byte order.
constexpr J_COLOR_SPACE Rgb32Layout = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// The decoder's DCT scaling reduces by up to eight.
constexpr int kMaxReduction = 8;

// libjpeg reports a fatal error by calling error_exit, which must not return; the default
// one ends the process. Ours jumps back to the decoder, which then gives up on the file.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void leaveDecoder(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap *>(info->err)->jump, 1);
}

void stayQuiet(j_common_ptr) {}

// Warnings (level -1) mean damaged data: a truncated file would otherwise come out with its
// missing part painted grey. Bytes in front of a marker are harmless and widespread.
void judgeMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code != JWRN_EXTRANEOUS_DATA)
        info->err->error_exit(info);
}

// Each scan of a progressive file costs a pass over the whole picture; a small file can
// declare thousands of them.
struct ScanLimit {
    jpeg_progress_mgr manager;
    int maxScans;
};

void checkScans(j_common_ptr info) {
    auto *decoder = reinterpret_cast<j_decompress_ptr>(info);
    const auto *limit = reinterpret_cast<ScanLimit *>(info->progress);
    if (decoder->input_scan_number > limit->maxScans)
        info->err->error_exit(info);
}

bool fitsLimits(const jpeg_decompress_struct &decoder, const Limits &limits) {
    const qint64 width = decoder.image_width;
    const qint64 height = decoder.image_height;
    return width > 0 && height > 0 && width <= limits.maxSide && height <= limits.maxSide &&
           width * height * 4 <= limits.maxImageBytes;
}

// Adobe's CMYK files store the inks inverted (0 = full ink); others store them plainly.
void cmykRowToRgb32(const JSAMPLE *cmyk, QRgb *out, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Decodes into image, which belongs to the caller so that no object with a destructor lives
// in the frames that longjmp leaves. Only plain data changes between setjmp and longjmp.
bool decodeInto(const QByteArray &bytes, const Limits &limits, QSize shownAt, QImage &image) {
    jpeg_decompress_struct decoder{};
    ErrorTrap trap{};
    decoder.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = leaveDecoder;
    trap.manager.output_message = stayQuiet;
    trap.manager.emit_message = judgeMessage;
    ScanLimit scanLimit{};
    scanLimit.manager.progress_monitor = checkScans;
    scanLimit.maxScans = limits.maxScans;

    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    decoder.progress = &scanLimit.manager;
    // The working memory (a progressive file keeps all its coefficients) stays within a
    // bound of the same order as the picture; beyond it libjpeg reports an error.
    decoder.mem->max_memory_to_use = 2 * limits.maxImageBytes;
    jpeg_mem_src(&decoder, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decoder, TRUE);
    if (!fitsLimits(decoder, limits)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    const bool cmyk = decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK;
    decoder.out_color_space = cmyk ? JCS_CMYK : Rgb32Layout;
    decoder.scale_num = 1;
    decoder.scale_denom =
        unsigned(reductionFor(QSize(int(decoder.image_width), int(decoder.image_height)), shownAt));
    jpeg_start_decompress(&decoder);

    const int width = int(decoder.output_width);
    const int height = int(decoder.output_height);
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull()) { // no memory for the picture
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    JSAMPARRAY cmykRow = nullptr;
    if (cmyk)
        cmykRow = (*decoder.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decoder),
                                               JPOOL_IMAGE, JDIMENSION(width) * 4, 1);
    const bool inverted = decoder.saw_Adobe_marker;
    while (decoder.output_scanline < decoder.output_height) {
        const int y = int(decoder.output_scanline);
        if (cmyk) {
            jpeg_read_scanlines(&decoder, cmykRow, 1);
            cmykRowToRgb32(cmykRow[0], reinterpret_cast<QRgb *>(image.scanLine(y)), width,
                           inverted);
        } else {
            JSAMPROW row = image.scanLine(y);
            jpeg_read_scanlines(&decoder, &row, 1);
        }
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    return true;
}

} // namespace

int reductionFor(QSize full, QSize shownAt) {
    if (shownAt.isEmpty())
        return 1;
    int reduction = 1;
    // The decoder rounds a reduced side up.
    const auto covers = [&](int next) {
        return (full.width() + next - 1) / next >= shownAt.width() &&
               (full.height() + next - 1) / next >= shownAt.height();
    };
    while (reduction < kMaxReduction && covers(reduction * 2))
        reduction *= 2;
    return reduction;
}

QImage decode(const QByteArray &bytes, const Limits &limits, QSize shownAt) {
    QImage image;
    if (bytes.isEmpty() || !decodeInto(bytes, limits, shownAt, image))
        return QImage();
    return image;
}

} // namespace JpegImage

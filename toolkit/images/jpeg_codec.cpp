#include "toolkit/images/jpeg_codec.h"

#include "toolkit/images/graphic_error.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared
#include <cstdlib>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace toolkit {

namespace {

/// libjpeg's memory for one picture, beyond the rows we hand it: enough for the coefficient
/// buffers of a progressive picture of maxPicturePixels.
constexpr long libraryMemoryCap = 512L * 1024 * 1024;

constexpr int bgrBytes = 3;
constexpr int cmykBytes = 4;

/// The library's error handler ends the process; ours keeps the message and jumps back to the
/// step that failed. Warnings are not printed; the one that says the data ended early is kept.
struct ErrorJump {
    jpeg_error_mgr manager; // first: the library sees only this part
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
    bool cutShort;
};

void jumpBack(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorJump*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->back, 1);
}

void noteMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        reinterpret_cast<ErrorJump*>(info->err)->cutShort = true;
    }
}

void installErrorJump(ErrorJump& errors)
{
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = noteMessage;
    errors.message[0] = '\0';
    errors.cutShort = false;
}

/// Runs `step`, which calls the library and touches nothing with a destructor, so that a jump
/// back out of it skips none; false when the library reported an error.
template <typename Step> bool guarded(ErrorJump& errors, const Step& step)
{
    if (setjmp(errors.back) != 0) {
        return false;
    }
    step();
    return true;
}

/// A decompression from memory, released however it ends.
struct Decompression {
    Decompression() { std::memset(&info, 0, sizeof info); }
    ~Decompression() { jpeg_destroy_decompress(&info); }
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;

    [[noreturn]] void fail(const char* what) const
    {
        throw GraphicError(QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                                        QString::fromLocal8Bit(errors.message)));
    }

    jpeg_decompress_struct info;
    ErrorJump errors;
};

/// A compression into memory; the library allocates the output, which is freed here.
struct Compression {
    Compression() { std::memset(&info, 0, sizeof info); }
    ~Compression()
    {
        jpeg_destroy_compress(&info);
        std::free(output);
    }
    Compression(const Compression&) = delete;
    Compression& operator=(const Compression&) = delete;

    jpeg_compress_struct info;
    ErrorJump errors;
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
};

/// One CMYK row as blue, green and red. Pictures with an Adobe marker hold the inks inverted
/// (255 is no ink), as image editors write them.
void cmykToBgr(const JSAMPLE* cmyk, uchar* bgr, JDIMENSION width, bool inverted)
{
    for (JDIMENSION i = 0; i < width; ++i, cmyk += cmykBytes, bgr += bgrBytes) {
        const int c = inverted ? cmyk[0] : 255 - cmyk[0];
        const int m = inverted ? cmyk[1] : 255 - cmyk[1];
        const int y = inverted ? cmyk[2] : 255 - cmyk[2];
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        bgr[0] = static_cast<uchar>(y * k / 255); // [0, 255]
        bgr[1] = static_cast<uchar>(m * k / 255);
        bgr[2] = static_cast<uchar>(c * k / 255);
    }
}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    if (data.isEmpty()) {
        throw GraphicError(QStringLiteral("The JPEG picture is empty"));
    }
    Decompression d;
    jpeg_decompress_struct& info = d.info;
    installErrorJump(d.errors);
    info.err = &d.errors.manager;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const auto size = static_cast<unsigned long>(data.size());
    if (!guarded(d.errors, [&] {
            jpeg_create_decompress(&info);
            info.mem->max_memory_to_use = libraryMemoryCap;
            jpeg_mem_src(&info, bytes, size);
            jpeg_read_header(&info, TRUE);
        })) {
        d.fail("Not a JPEG picture");
    }
    const qint64 pixels = qint64{info.image_width} * info.image_height;
    if (pixels > maxPicturePixels) {
        throw GraphicError(QStringLiteral("The JPEG picture claims %1 x %2 pixels, more than %3")
                               .arg(info.image_width)
                               .arg(info.image_height)
                               .arg(maxPicturePixels));
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool inverted = info.saw_Adobe_marker != 0;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    if (!guarded(d.errors, [&] { jpeg_start_decompress(&info); })) {
        d.fail("The JPEG picture cannot be decoded");
    }

    QImage bitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_BGR888);
    if (bitmap.isNull()) {
        throw GraphicError(QStringLiteral("No memory for a picture of %1 x %2 pixels")
                               .arg(info.output_width)
                               .arg(info.output_height));
    }
    std::vector<JSAMPLE> cmykRow(cmyk ? std::size_t{info.output_width} * cmykBytes : 0);
    uchar* const rows = bitmap.bits();
    const qsizetype stride = bitmap.bytesPerLine();
    if (!guarded(d.errors, [&] {
            while (info.output_scanline < info.output_height) {
                uchar* row = rows + stride * info.output_scanline;
                JSAMPROW target = cmyk ? cmykRow.data() : row;
                jpeg_read_scanlines(&info, &target, 1);
                if (cmyk) {
                    cmykToBgr(cmykRow.data(), row, info.output_width, inverted);
                }
            }
            jpeg_finish_decompress(&info);
        })) {
        d.fail("The JPEG picture is damaged");
    }
    if (d.errors.cutShort) {
        throw GraphicError(QStringLiteral("The JPEG picture is cut short"));
    }
    return bitmap;
}

QByteArray encodeJpeg(const QImage& bitmap, int quality)
{
    const QImage bgr = bitmap.convertToFormat(QImage::Format_BGR888);
    Compression c;
    jpeg_compress_struct& info = c.info;
    installErrorJump(c.errors);
    info.err = &c.errors.manager;
    const uchar* const rows = bgr.constBits();
    const qsizetype stride = bgr.bytesPerLine();
    if (!guarded(c.errors, [&] {
            jpeg_create_compress(&info);
            jpeg_mem_dest(&info, &c.output, &c.outputSize);
            info.image_width = static_cast<JDIMENSION>(bgr.width());
            info.image_height = static_cast<JDIMENSION>(bgr.height());
            info.input_components = bgrBytes;
            info.in_color_space = JCS_EXT_BGR;
            jpeg_set_defaults(&info);
            jpeg_set_quality(&info, quality, TRUE);
            info.dct_method = JDCT_ISLOW;
            jpeg_start_compress(&info, TRUE);
            while (info.next_scanline < info.image_height) {
                // The library only reads the rows it is given.
                auto* row = const_cast<JSAMPLE*>(rows + stride * info.next_scanline);
                jpeg_write_scanlines(&info, &row, 1);
            }
            jpeg_finish_compress(&info);
        })) {
        throw GraphicError(QStringLiteral("The picture cannot be encoded as JPEG: %1")
                               .arg(QString::fromLocal8Bit(c.errors.message)));
    }
    return {reinterpret_cast<const char*>(c.output), static_cast<qsizetype>(c.outputSize)};
}

} // namespace toolkit

// JPEG through libjpeg: decompression with a header read and scanline
// reads (optionally quantised to 256 colours in one or two passes), and
// compression with the library's defaults at a given quality.
#include "platform/graphics/Jpeg.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <vector>
extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    int Code = 0;
};

void ErrorExit(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    err->Code = info->err->msg_code;
    std::longjmp(err->Jump, 1);
}

// Warnings (corrupt but decodable data) are not reported; a file that ends
// early fails in FillInputBuffer instead.
void EmitMessage(j_common_ptr, int) {}

void OutputMessage(j_common_ptr) {}

void InstallErrors(ErrorManager& err)
{
    jpeg_std_error(&err.Base);
    err.Base.error_exit = ErrorExit;
    err.Base.emit_message = EmitMessage;
    err.Base.output_message = OutputMessage;
}

// Source manager over a byte array; running out of data is an error, so a
// cut-off file never comes out half grey.
struct Source {
    jpeg_source_mgr Base;
    const QByteArray* Data;
};

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr info)
{
    ERREXIT(info, JERR_INPUT_EOF);
    return FALSE;
}

void SkipInputData(j_decompress_ptr info, long count)
{
    jpeg_source_mgr* src = info->src;
    if (count <= 0)
        return;
    if (size_t(count) > src->bytes_in_buffer)
        ERREXIT(info, JERR_INPUT_EOF);
    src->next_input_byte += count;
    src->bytes_in_buffer -= size_t(count);
}

void TermSource(j_decompress_ptr) {}

// Destination manager growing a byte array.
struct Destination {
    jpeg_destination_mgr Base;
    QByteArray* Out;
    std::vector<JOCTET> Buffer;
};

void InitDestination(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<Destination*>(info->dest);
    dest->Buffer.resize(65536);
    dest->Base.next_output_byte = dest->Buffer.data();
    dest->Base.free_in_buffer = dest->Buffer.size();
}

boolean EmptyOutputBuffer(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<Destination*>(info->dest);
    dest->Out->append(reinterpret_cast<const char*>(dest->Buffer.data()), qsizetype(dest->Buffer.size()));
    dest->Base.next_output_byte = dest->Buffer.data();
    dest->Base.free_in_buffer = dest->Buffer.size();
    return TRUE;
}

void TermDestination(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<Destination*>(info->dest);
    dest->Out->append(reinterpret_cast<const char*>(dest->Buffer.data()),
                      qsizetype(dest->Buffer.size() - dest->Base.free_in_buffer));
}

struct DecodeOptions {
    bool Quantize = false;
    bool TwoPass = true;
    bool Grayscale = false;
};

// Returns a null image and the library's message code on failure.
QImage Decode(const QByteArray& data, const DecodeOptions& options, int& code)
{
    jpeg_decompress_struct info;
    ErrorManager err;
    InstallErrors(err);
    info.err = &err.Base;
    QImage image;
    // Kept outside the jump so it is never left half built.
    std::vector<JSAMPLE> row;
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&info);
        code = err.Code;
        return QImage();
    }
    jpeg_create_decompress(&info);
    Source src;
    src.Base.init_source = InitSource;
    src.Base.fill_input_buffer = FillInputBuffer;
    src.Base.skip_input_data = SkipInputData;
    src.Base.resync_to_restart = jpeg_resync_to_restart;
    src.Base.term_source = TermSource;
    src.Base.next_input_byte = reinterpret_cast<const JOCTET*>(data.constData());
    src.Base.bytes_in_buffer = size_t(data.size());
    src.Data = &data;
    info.src = &src.Base;

    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (options.Grayscale)
        info.out_color_space = JCS_GRAYSCALE;
    else if (cmyk)
        info.out_color_space = JCS_CMYK;
    else if (info.num_components != 1)
        info.out_color_space = JCS_RGB;
    if (options.Quantize && !cmyk) {
        info.quantize_colors = TRUE;
        info.desired_number_of_colors = 256;
        info.two_pass_quantize = options.TwoPass ? TRUE : FALSE;
        info.dither_mode = JDITHER_FS;
    }
    jpeg_start_decompress(&info);
    const int w = int(info.output_width), h = int(info.output_height);
    image = QImage(w, h, QImage::Format_RGB32);
    row.resize(size_t(w) * size_t(info.output_components));
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int r, g, b;
            if (info.quantize_colors) {
                const int i = row[size_t(x)];
                if (info.out_color_components == 1) {
                    r = g = b = info.colormap[0][i];
                } else {
                    r = info.colormap[0][i];
                    g = info.colormap[1][i];
                    b = info.colormap[2][i];
                }
            } else if (info.output_components == 1) {
                r = g = b = row[size_t(x)];
            } else if (info.output_components == 4) {
                // Adobe files store inverted CMYK.
                const JSAMPLE* p = &row[size_t(x) * 4];
                r = p[0] * p[3] / 255;
                g = p[1] * p[3] / 255;
                b = p[2] * p[3] / 255;
            } else {
                const JSAMPLE* p = &row[size_t(x) * 3];
                r = p[0];
                g = p[1];
                b = p[2];
            }
            out[x] = qRgb(r, g, b);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

QByteArray Encode(const QImage& source, int quality, bool grayscale, int& code)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info;
    ErrorManager err;
    InstallErrors(err);
    info.err = &err.Base;
    QByteArray out;
    std::vector<JSAMPLE> row;
    if (setjmp(err.Jump)) {
        jpeg_destroy_compress(&info);
        code = err.Code;
        return QByteArray();
    }
    jpeg_create_compress(&info);
    Destination dest;
    dest.Base.init_destination = InitDestination;
    dest.Base.empty_output_buffer = EmptyOutputBuffer;
    dest.Base.term_destination = TermDestination;
    dest.Out = &out;
    info.dest = &dest.Base;
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = grayscale ? 1 : 3;
    info.in_color_space = grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    row.resize(size_t(image.width()) * size_t(info.input_components));
    while (info.next_scanline < info.image_height) {
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            if (grayscale) {
                row[size_t(x)] = JSAMPLE(qGray(in[x]));
            } else {
                row[size_t(x) * 3] = JSAMPLE(qRed(in[x]));
                row[size_t(x) * 3 + 1] = JSAMPLE(qGreen(in[x]));
                row[size_t(x) * 3 + 2] = JSAMPLE(qBlue(in[x]));
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return out;
}

} // namespace

void TJPEGImage::Assign(TPersistent* Source)
{
    if (auto* j = dynamic_cast<TJPEGImage*>(Source)) {
        FQuality = j->FQuality;
        FPixelFormat = j->FPixelFormat;
        FPerformance = j->FPerformance;
        FGrayscale = j->FGrayscale;
    }
    TRasterImage::Assign(Source);
}

void TJPEGImage::SetCompressionQuality(TJPEGQualityRange value)
{
    FQuality = qBound(1, value, 100);
}

void TJPEGImage::LoadFromBytes(const QByteArray& Data)
{
    DecodeOptions options;
    options.Quantize = FPixelFormat == jf8Bit;
    options.TwoPass = FPerformance == jpBestQuality;
    options.Grayscale = FGrayscale;
    int code = 0;
    const QImage image = Decode(Data, options, code);
    if (image.isNull()) {
        FBitmap->Surface()->SetImage(QImage(0, 0, QImage::Format_ARGB32));
        Changed();
        throw EJPEG(QStringLiteral("JPEG error #%1").arg(code));
    }
    FBitmap->Surface()->SetImage(image.convertToFormat(QImage::Format_ARGB32));
    Changed();
}

QByteArray TJPEGImage::SaveToBytes() const
{
    if (Empty())
        throw EJPEG(QStringLiteral("JPEG error #%1").arg(int(JERR_EMPTY_IMAGE)));
    int code = 0;
    const QByteArray data = Encode(FBitmap->Surface()->image(), FQuality, FGrayscale, code);
    if (data.isEmpty())
        throw EJPEG(QStringLiteral("JPEG error #%1").arg(code));
    return data;
}

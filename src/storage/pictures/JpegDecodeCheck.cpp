#include "storage/pictures/JpegDecodeCheck.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct StrictErrors {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
};

[[noreturn]] void stopDecoding(j_common_ptr decoder)
{
    std::longjmp(reinterpret_cast<StrictErrors *>(decoder->err)->failed, 1);
}

// The library still counts each warning; nothing is printed.
void keepQuiet(j_common_ptr) {}

} // namespace

namespace JpegDecodeCheck {

bool decodesCleanly(QByteArrayView data)
{
    jpeg_decompress_struct decoder{};
    StrictErrors errors{};
    decoder.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = stopDecoding;
    errors.manager.output_message = keepQuiet;
    if (setjmp(errors.failed)) {
        jpeg_destroy_decompress(&decoder);
        return false;
    }
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, reinterpret_cast<const unsigned char *>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&decoder, TRUE);
    // Every coefficient is still decoded, so every damaged spot still warns;
    // the smallest scale spares the rest of the work.
    decoder.scale_num = 1;
    decoder.scale_denom = 8;
    decoder.dct_method = JDCT_IFAST;
    decoder.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&decoder);
    // From the library's own memory, freed with the decoder also after a jump.
    JSAMPARRAY row = (*decoder.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decoder), JPOOL_IMAGE,
                                                  decoder.output_width * decoder.output_components, 1);
    while (decoder.output_scanline < decoder.output_height)
        jpeg_read_scanlines(&decoder, row, 1);
    jpeg_finish_decompress(&decoder);
    const bool clean = errors.manager.num_warnings == 0;
    jpeg_destroy_decompress(&decoder);
    return clean;
}

} // namespace JpegDecodeCheck

// An information page picture through the loader the view uses: any ".jpg" file gives a
// picture within the decoder's limits or a null image.

#include "fuzz_input.h"
#include "jpeg_image.h"
#include "picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QImage picture =
        loadPicture(FuzzInput::asFile(FuzzInput::bytes(data, size), QStringLiteral("Inf0.jpg")));
    if (picture.isNull())
        return 0;
    const JpegImage::Limits limits;
    FuzzInput::expect(picture.width() <= limits.maxSide && picture.height() <= limits.maxSide,
                      "a picture within the decoder's side limit");
    FuzzInput::expect(picture.format() == QImage::Format_RGB32, "a picture in RGB32");
    return 0;
}

// Decoding text of unknown encoding, and text in a Windows code page.
#include "documents/TextDecoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    (void)textcodec::decodeText(bytes);
    if (size > 0) {
        static const int pages[] = {1252, 932, 936, 949, 950, 1250, 1251, 1253, 874, 437, 0, 65001};
        (void)textcodec::decodeCodePage(bytes.sliced(1), pages[data[0] % std::size(pages)]);
    }
    return 0;
}

// The .docx and .odt reader on any bytes (seed it with real packages).
#include "documents/Documents.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    (void)documents::readPackageText(QByteArrayView(data, qsizetype(size)));
    return 0;
}

// Arbitrary bytes as a photo added to the photo list.
#include "fuzzenv.h"
#include "fuzzpaths.h"

#include <QByteArray>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzEnv::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QString summary;
    const QStringList broken = FuzzPaths::photo(bytes, FuzzEnv::scratchDir(), &summary);
    FuzzEnv::check("photo", broken, summary);
    return 0;
}

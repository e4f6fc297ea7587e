// Arbitrary JPEG-like bytes as a photo to be copied and geotagged.
#include "fuzzenv.h"
#include "fuzzpaths.h"

#include <QByteArray>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzEnv::setUp();
    FuzzEnv::geoCalc();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QString summary;
    const QStringList broken =
        FuzzPaths::geotag(bytes, FuzzEnv::scratchDir(), FuzzEnv::geoCalc(), &summary);
    FuzzEnv::check("geotag", broken, summary);
    return 0;
}

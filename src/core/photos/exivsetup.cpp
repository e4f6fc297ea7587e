#include "photos/exivsetup.h"

#include <exiv2/exiv2.hpp>

#include <mutex>

namespace {

// The reader, the filters and the job of several blocks decode XMP at the same time; every
// packet that declares an unknown namespace registers it, which the toolkit only
// serialises through this callback. Recursive because a registration may nest inside a decode.
std::recursive_mutex &xmpRegistryMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

void lockXmpRegistry(void *, bool lock)
{
    if (lock)
        xmpRegistryMutex().lock();
    else
        xmpRegistryMutex().unlock();
}

} // namespace

const char *ExivSetup::droneDjiNamespace()
{
    return "http://www.dji.com/drone-dji/1.0/";
}

void ExivSetup::initialize()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::XmpParser::initialize(lockXmpRegistry, nullptr);
        Exiv2::XmpProperties::registerNs(droneDjiNamespace(), "drone-dji");
        // The library's own console chatter would bypass our log; errors reach us as exceptions.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    });
}

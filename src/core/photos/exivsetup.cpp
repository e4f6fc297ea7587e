#include "photos/exivsetup.h"

#include <exiv2/exiv2.hpp>

#include <mutex>

const char *ExivSetup::droneDjiNamespace() { return "http://www.dji.com/drone-dji/1.0/"; }

void ExivSetup::initialize()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::XmpParser::initialize();
        Exiv2::XmpProperties::registerNs(droneDjiNamespace(), "drone-dji");
        // The library's own console chatter would bypass our log; errors reach us as exceptions.
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    });
}

#pragma once

/// What a processing run produces.
enum WorkType
{
    FullWork = 0,      //!< photos and timemarks: copies, geotags and coordinate file
    TimemarksOnly = 1, //!< the coordinate file only, named as the copies would be; no copies
    PhotosOnly = 2     //!< copies and geotags, no coordinate file
};

// enum_driveType: the kinds of drive that clsFileSystemObject names.
#pragma once

namespace dvRtns4 {

enum enum_driveType {
    cDRIVE_UKNOWN = 0,
    cDRIVE_REMOVABLE = 1,
    cDRIVE_FIXEDLOCAL = 2,
    cDRIVE_FIXEDREMOTE = 3,
    cDRIVE_CDROM = 4,
};

} // namespace dvRtns4

// clsFile: the temporary folder and new temporary files in it.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsFile {
public:
    // Creates a new, empty file that only its owner may read or write, in the
    // temporary folder, named after the first three characters of Prefix,
    // "~" and a unique tail, and returns its full name; the empty text when
    // no file can be created there. The name is never one that existed: the
    // file is created and claimed in one step.
    static QString FindTempFName(const QString& Prefix);
    // The system's temporary folder ($TMPDIR, else /tmp) with a final "/".
    static QString FindTempPath();
};

} // namespace dvRtns4

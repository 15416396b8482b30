// The user's own folder for the program's temporary files (the attached
// documents written under fixed names). A folder shared by all users, such as
// /tmp, would let another user plant a link under one of those names, so
// the files go into a folder below it that only this user can enter.
#pragma once

#include <QString>

#include <stdexcept>

namespace lexora::windows {

class TempFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `base` + "/lexora-" + the user's name, created with owner-only permissions
// when missing, returned with a trailing "/". An existing entry of that name
// is used only when it is a real folder (not a link) owned by this user; its
// permissions are then narrowed to the owner. Throws TempFolderError when the
// folder cannot be made safe.
QString privateTempFolder(const QString& base);

// privateTempFolder() under the platform's temporary folder.
QString privateTempFolder();

} // namespace lexora::windows

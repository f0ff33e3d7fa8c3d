#pragma once

#include <QString>

namespace toolkit {

/// Deleting folders, copying files and letting the user pick a folder.
class FileTools {
public:
    /// Deletes the folder with all its content for good (no trash), never following a symbolic
    /// link out of it. Refuses the empty text, the root folder, the home folder and any folder
    /// holding it. True when the folder is gone; false on any failure, without a message.
    bool DelDir(const QString& dir);
    /// Copies FName to ToName, replacing it whole (written beside it, then renamed). False when
    /// FName cannot be opened or ToName is FName itself; raises platform::Error when ToName
    /// cannot be written, leaving any old ToName as it was.
    bool FileCopy(const QString& FName, const QString& ToName);
    /// Lets the user choose a folder in a folder dialog titled Caption, confined to Root when
    /// Root names a folder. Directory is cleared first and gets the chosen folder's path; true
    /// when one was chosen, false when the dialog was cancelled.
    bool SelectDirectory(const QString& Caption, const QString& Root, QString& Directory);
};

} // namespace toolkit

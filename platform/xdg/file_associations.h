#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

/// One command offered on files of a type: its identifier, the caption a menu shows and the
/// arguments given to the program, where "%1" stands for the file.
struct FileTypeVerb {
    QString id;
    QString caption;
    QStringList arguments;
};

/// A file type to register: the extension (with its dot) that files of the type carry, the
/// type's name and description, the program that handles it and its commands, the first of
/// which opens a file.
struct FileTypeRegistration {
    QString extension;
    QString fileType;
    QString description;
    QString program;
    std::vector<FileTypeVerb> verbs;
};

/// Where a registration goes: the whole machine's or the current user's.
enum class AssociationScope { Machine, User };

/// File types and the programs that open them. Failures raise Error.
class FileAssociations {
public:
    virtual ~FileAssociations() = default;
    /// The command line that opens files of the extension (".txt"), as stored; empty when the
    /// extension has no type or the type no program.
    virtual QString openCommand(const QString& extension) const = 0;
    /// Registers the file type for the extension and makes its program the default for it.
    /// Running it again with the same registration leaves the same files.
    virtual void registerFileType(const FileTypeRegistration& registration,
                                  AssociationScope scope) = 0;
};

} // namespace platform

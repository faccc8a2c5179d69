// Folder listings and file-name lookup without regard to letter case.
//
// The program's data was laid out for a file system that ignores letter case
// ("Tolvik.gdb" and "tolvik.gdb" are one file); every lookup of a program,
// data or catalog file goes through FindFileNoCase or FilePathNoCase.
// Paths are QStrings in the platform's form ("/" separators).
#pragma once

#include <QString>
#include <QStringList>

namespace files {

// Appends the ordinary files of Folder whose names match Mask, in the order
// the file system returns them: Folder + "/" + name when FullPaths, the bare
// name otherwise. Mask is a wildcard ("*" any run, "?" one character)
// matched without regard to letter case; "*.*" matches every name. Hidden
// entries (names starting with ".") and folders are left out; links to
// files count as files. A folder that cannot be read adds nothing.
// Folder must not be empty (std::invalid_argument).
void ListFiles(const QString& Folder, const QString& Mask, QStringList& List, bool FullPaths);

// Appends the sub-folders of Folder ("." and ".." and hidden folders left
// out), in the order the file system returns them, as ListFiles does.
void ListFolders(const QString& Folder, QStringList& List, bool FullPaths);

// The path of the entry of Folder named Name without regard to letter case:
// the exact name when it exists, otherwise the first matching name in ordinal
// order (so the result does not depend on the listing order). When nothing
// matches, Folder + "/" + Name, so that the caller's existence check fails
// and its messages name the file it looked for.
QString FindFileNoCase(const QString& Folder, const QString& Name);

// Folder joined with RelativePath, each component of RelativePath resolved
// with FindFileNoCase. "/" and "\" both separate components; empty and "."
// components are dropped; a trailing separator is kept.
QString FilePathNoCase(const QString& Folder, const QString& RelativePath);

}  // namespace files

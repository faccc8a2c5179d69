#include "platform/files/files.h"

#include <QFile>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace files {
namespace {

namespace fs = std::filesystem;

fs::path toPath(const QString& path) { return fs::path(QFile::encodeName(path).toStdString()); }

QString fromName(const fs::path& name) { return QFile::decodeName(QByteArray::fromStdString(name.native())); }

QString joined(const QString& folder, const QString& name) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

// Wildcard match without regard to letter case, "*" and "?" as on Windows.
bool matchesMask(QStringView name, QStringView mask) {
    if (mask == u"*.*" || mask == u"*")
        return true;
    qsizetype n = 0, m = 0;
    std::optional<qsizetype> star;  // position in mask after the last "*"
    qsizetype starName = 0;         // name position that "*" was tried up to
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            star = ++m;
            starName = n;
        } else if (m < mask.size() &&
                   (mask[m] == u'?' || mask[m].toCaseFolded() == name[n].toCaseFolded())) {
            ++m;
            ++n;
        } else if (star) {
            m = *star;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

enum class Kind { Files, Folders };

void list(const QString& folder, const QString& mask, QStringList& out, bool fullPaths, Kind kind) {
    if (folder.isEmpty())
        throw std::invalid_argument("folder listing of an empty folder name");
    std::error_code error;
    fs::directory_iterator it(toPath(folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const QString name = fromName(it->path().filename());
        if (name.startsWith(QLatin1Char('.')))
            continue;  // hidden, and "." / ".."
        std::error_code statError;
        const bool wanted = kind == Kind::Folders ? it->is_directory(statError)
                                                  : it->is_regular_file(statError) && matchesMask(name, mask);
        if (wanted && !statError)
            out.append(fullPaths ? joined(folder, name) : name);
    }
}

}  // namespace

void ListFiles(const QString& Folder, const QString& Mask, QStringList& List, bool FullPaths) {
    list(Folder, Mask, List, FullPaths, Kind::Files);
}

void ListFolders(const QString& Folder, QStringList& List, bool FullPaths) {
    list(Folder, QString(), List, FullPaths, Kind::Folders);
}

QString FindFileNoCase(const QString& Folder, const QString& Name) {
    const QString exact = joined(Folder, Name);
    std::error_code error;
    if (Name.isEmpty() || fs::exists(fs::symlink_status(toPath(exact), error)))
        return exact;
    QString best;
    fs::directory_iterator it(toPath(Folder.isEmpty() ? QStringLiteral(".") : Folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const QString candidate = fromName(it->path().filename());
        if (candidate.compare(Name, Qt::CaseInsensitive) == 0 && (best.isEmpty() || candidate < best))
            best = candidate;
    }
    return best.isEmpty() ? exact : joined(Folder, best);
}

QString FilePathNoCase(const QString& Folder, const QString& RelativePath) {
    QString path = Folder;
    const QStringList parts = QString(RelativePath).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts)
        if (part != QLatin1String("."))
            path = FindFileNoCase(path, part);
    const bool trailing = RelativePath.endsWith(QLatin1Char('/')) || RelativePath.endsWith(QLatin1Char('\\'));
    if (trailing && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

}  // namespace files

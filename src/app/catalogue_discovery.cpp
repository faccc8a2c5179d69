#include "app/catalogue_discovery.h"

#include "catalog/records.h"
#include "platform/files/files.h"
#include "platform/text/cp1251.h"
#include "platform/xml/xml.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <string_view>
#include <utility>

namespace app {

std::vector<TDatabaseInfo> Databases;
TDatabaseInfo CurrentDatabase;
QString ProgramFolder;

namespace {

const QString Russian = QStringLiteral("Russian");
const QString English = QStringLiteral("English");

// Blanks and control characters (bytes up to 32) at both ends.
std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

// A decimal integer with an optional sign; anything else is 0.
int32_t orderValue(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

std::string defaultName(const QString& folderName, const QString& language) {
    return text::toCp1251(QStringLiteral("%1 (%2)").arg(folderName, language));
}

QString languageFolder(const QString& catalogueFolder, const QString& language) {
    QString path = files::FindFileNoCase(catalogueFolder, language);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// The language step of FindDatabases on the working record.
void addIfCatalogue(TDatabaseInfo& info) {
    if (!QFileInfo(files::FindFileNoCase(info.Path, QStringLiteral("tolvik.gdb"))).isFile())
        return;
    const QString infoFile = files::FindFileNoCase(info.Path, QStringLiteral("tolvik.xml"));
    if (QFileInfo(infoFile).isFile())
        ApplyDatabaseInfoFile(infoFile, info);
    Databases.push_back(info);
}

void quickSort(std::vector<TDatabaseInfo>& list, int left, int right) {
    int i = left;
    do {
        i = left;
        int j = right;
        const TDatabaseInfo pivot = list[static_cast<std::size_t>((left + right) / 2)];
        do {
            while (CompareDatabases(list[static_cast<std::size_t>(i)], pivot, false) < 0)
                ++i;
            while (CompareDatabases(list[static_cast<std::size_t>(j)], pivot, false) > 0)
                --j;
            if (i <= j) {
                std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (left < j)
            quickSort(list, left, j);
        left = i;
    } while (i < right);
}

}  // namespace

void ApplyDatabaseInfoFile(const QString& FileName, TDatabaseInfo& Info) {
    const xml::XmlDocument document = xml::XmlDocument::fromFile(QFile::encodeName(FileName).toStdString());
    const std::string name(trimmed(catalog::GetValueByPath(document, "databaseInfo/name")));
    if (!name.empty())
        Info.Name = name;
    const std::string description(trimmed(catalog::GetValueByPath(document, "databaseInfo/description")));
    if (!description.empty())
        Info.Description = description;
    const std::string order(trimmed(catalog::GetValueByPath(document, "databaseInfo/order")));
    if (!order.empty())
        Info.Order = orderValue(order);
}

int CompareDatabases(const TDatabaseInfo& A, const TDatabaseInfo& B, bool Ascending) {
    int result = 0;
    if (A.Order > B.Order)
        result = 1;
    else if (A.Order < B.Order)
        result = -1;
    else if (A.Language == English && B.Language != English)
        result = 1;
    else if (B.Language == English && A.Language != English)
        result = -1;
    else  // two catalogs of one language: an entry must compare equal to
          // itself, or the partition loops would run past the pivot
        result = A.Name.compare(B.Name);  // char_traits<char> compares bytes as unsigned
    return Ascending ? result : -result;
}

void SortDatabases(std::vector<TDatabaseInfo>& List) {
    if (!List.empty())
        quickSort(List, 0, static_cast<int>(List.size()) - 1);
}

void FindDatabases() {
    Databases.clear();
    const QString dataFolder = files::FindFileNoCase(ProgramFolder, QStringLiteral("Data"));
    QStringList folders;
    if (QFileInfo(dataFolder).isDir())
        files::ListFolders(dataFolder, folders, false);
    for (int i = 0; i < folders.size(); ++i) {
        const QString catalogueFolder = dataFolder + QLatin1Char('/') + folders[i];
        TDatabaseInfo info;
        info.FolderIndex = i;
        info.Order = 0;
        info.Language = Russian;
        info.Name = defaultName(folders[i], Russian);
        info.Path = languageFolder(catalogueFolder, Russian);
        addIfCatalogue(info);

        // The same working record: an English catalog without an order of
        // its own keeps the Russian one's.
        info.Description.clear();
        info.Language = English;
        info.Name = defaultName(folders[i], English);
        info.Path = languageFolder(catalogueFolder, English);
        addIfCatalogue(info);
    }
    SortDatabases(Databases);
}

}  // namespace app

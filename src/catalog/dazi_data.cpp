#include "dazi_data.h"

#include "collation.h"
#include "hfgsd_stream.h"
#include "paths.h"
#include "scramble.h"

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <thread>
#include <unordered_set>

namespace catalog {

std::unique_ptr<TDaziData> DaziData;

namespace {

// printf-style insertion of numbers and unchanged strings into SQL text.
template <typename... Args>
std::string sqlf(const char* format, Args... args) {
    const int n = std::snprintf(nullptr, 0, format, args...);
    if (n < 0)
        throw std::runtime_error("bad SQL format");
    std::string out(static_cast<size_t>(n), '\0');
    std::snprintf(out.data(), out.size() + 1, format, args...);
    return out;
}

// The part after the last ".", upper-cased; empty without a ".".
std::string upperExtension(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? std::string() : UpperCase1251(fileName.substr(dot + 1));
}

}  // namespace

TDaziData::TDaziData() = default;

TDaziData::~TDaziData() {
    try {
        CloseDataSet();
    } catch (...) {
        // Nothing to report to at program end.
    }
}

void TDaziData::Connect(const std::string& /*ClientLibrary*/, const std::string& DatabasePath) {
    try {
        Disconnect();
    } catch (const std::exception&) {
        // Connect reports nothing; a connection that fails to close is dropped.
        DaziSQLConnection.reset();
    }
    // Lets the previous attachment's files settle before the next attach;
    // kept on every Connect, the first one too.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Database = DatabasePath;
    try {
        auto connection = std::make_unique<fb::Connection>();
        connection->attach(Database);
        DaziSQLConnection = std::move(connection);
    } catch (const std::exception&) {
        // Deliberately dropped: the module stays unconnected and the next
        // statement attaches again, so the user sees the client's own text.
    }
}

void TDaziData::Disconnect() {
    CloseDataSet();
    if (DaziSQLConnection) {
        auto connection = std::move(DaziSQLConnection);
        connection->detach();
    }
}

bool TDaziData::Connected() const { return DaziSQLConnection && DaziSQLConnection->attached(); }

fb::Connection& TDaziData::connection() {
    if (!Connected()) {
        auto connection = std::make_unique<fb::Connection>();
        connection->attach(Database);
        DaziSQLConnection = std::move(connection);
    }
    return *DaziSQLConnection;
}

fb::ResultSet& TDaziData::DataSet() {
    if (!DaziDataSet)
        throw std::logic_error("DaziDataSet is not open");
    return *DaziDataSet;
}

void TDaziData::CloseDataSet() {
    if (DaziDataSet) {
        auto dataSet = std::move(DaziDataSet);
        dataSet->close();
    }
}

fb::ResultSet& TDaziData::OpenSQL(const std::string& sql, const fb::Params& params) {
    CloseDataSet();
    DaziDataSet = connection().open(sql, params);
    return *DaziDataSet;
}

void TDaziData::ExecSQL(const std::string& sql, const fb::Params& params) {
    CloseDataSet();
    connection().execute(sql, params);
}

// --- Topics and company lists ----------------------------------------------

void TDaziData::OpenTopics() { OpenSQL("SELECT * FROM Topics0 ORDER BY L;"); }

void TDaziData::OpenCompanyList(bool Descending) {
    OpenSQL(std::string("SELECT TopicName, CompanyID, Property FROM Topics0 WHERE CompanyID >= 0 "
                        "AND L = (R - 1) GROUP BY TopicName, CompanyID, Property ORDER BY TopicName") +
            (Descending ? " DESC" : "") + ";");
}

void TDaziData::OpenSelectionList(int SelectionID) {
    OpenSQL("SELECT TopicName, CompanyID, Property FROM Topics0, Selections "
            "WHERE Selections.SelectionID = " + std::to_string(SelectionID) +
            " AND Topics0.CompanyID = Selections.CompanyID "
            "GROUP BY TopicName, CompanyID, Property ORDER BY TopicName");
}

int TDaziData::OpenIndexedTopics(const std::vector<std::string>& Paths) {
    if (Paths.empty())
        throw std::invalid_argument("OpenIndexedTopics needs at least one path");
    std::string values;
    std::string order;
    for (size_t i = 0; i < Paths.size(); ++i) {
        // Appended piece by piece (GCC 12 warns falsely on " " + temporary).
        values.append(" ").append(PathExpression(Paths[i])).append(",");
        order.append(" ").append(std::to_string(i + 7)).append(",");
    }
    values.pop_back();
    order.back() = ';';
    OpenSQL("SELECT Topics0.TopicID, Topics0.TopicName, Topics0.L, Topics0.R, Topics0.CompanyID, "
            "Topics0.Property, " + values + " " +
            "FROM Topics0, Companies" + PathTablesFrom(Paths) + " " +
            "WHERE Topics0.CompanyID = Companies.CompanyID" + PathTablesJoin(Paths) + " " +
            "ORDER BY " + order);
    return 7;
}

std::string TDaziData::GetTopicPath(int TopicID) {
    if (TopicID < 0)
        return {};
    fb::ResultSet& ds = OpenSQL(sqlf(
        "SELECT TA.TopicName, (TA.R - TA.L) AS Height FROM Topics0 TA, Topics0 TB "
        "WHERE TB.L BETWEEN TA.L AND TA.R AND TB.R BETWEEN TA.L AND TA.R AND TB.TopicID = %d "
        "ORDER BY 2 DESC;",
        TopicID));
    std::string path;
    while (ds.next())
        path += UnscrambleText(ds.getText(0)) + " > ";
    CloseDataSet();
    if (!path.empty())
        path.resize(path.size() - 3);
    return path;
}

// --- Company record ----------------------------------------------------------

std::string TDaziData::GetCompanyXML(int CompanyID) {
    fb::ResultSet& ds = OpenSQL(sqlf("SELECT * FROM Companies WHERE (CompanyID = %d);", CompanyID));
    std::string xml;
    if (ds.next())
        xml = ds.getBlob("XML");
    CloseDataSet();
    UnscrambleRecord(xml);
    return xml;
}

// --- Values for search drop-downs ---------------------------------------------

void TDaziData::FillDistinctValues(const std::string& Path, std::vector<std::string>& Strings) {
    std::string tables = PathTablesFrom({Path});
    if (!tables.empty()) {
        tables.erase(0, 1);
        fb::ResultSet& ds = OpenSQL(sqlf("SELECT DISTINCT %s FROM %s ORDER BY 1",
                                         PathExpression(Path).c_str(), tables.c_str()));
        while (ds.next()) {
            std::string value = Trim(UnscrambleText(ds.getText(0)));
            if (!value.empty())
                Strings.push_back(std::move(value));
        }
        CloseDataSet();
        return;
    }

    fb::ResultSet& ds =
        OpenSQL(sqlf("SELECT %s FROM Companies %s", PathExpression(Path).c_str(), tables.c_str()));
    // Values differing only in letter case are listed once, in the form met first.
    std::vector<std::string> values;
    std::unordered_set<std::string> seen;
    while (ds.next()) {
        std::string value = Trim(ds.getText(0));
        if (value.empty() || !seen.insert(UpperCase1251(value)).second)
            continue;
        values.push_back(std::move(value));
    }
    CloseDataSet();
    std::stable_sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) {
        return CompareRussian(a, b) < 0;
    });
    Strings.insert(Strings.end(), std::make_move_iterator(values.begin()),
                   std::make_move_iterator(values.end()));
}

void TDaziData::FillIndexValues(const std::string& Path, std::vector<std::string>& Strings) {
    std::string tables = PathTablesFrom({Path});
    if (!tables.empty())
        tables.erase(0, 1);
    fb::ResultSet& ds =
        OpenSQL(sqlf("SELECT %s FROM %s ", PathExpression(Path).c_str(), tables.c_str()));
    while (ds.next()) {
        std::string value = Trim(ds.getText(0));
        if (!value.empty())
            Strings.push_back(std::move(value));
    }
    CloseDataSet();
}

// --- Saved selections ------------------------------------------------------------

void TDaziData::OpenSelectionNames() { OpenSQL("SELECT * FROM SelectionNames ORDER BY SelectionID;"); }

int TDaziData::GetMaxSelectionID() {
    fb::ResultSet& ds = OpenSQL("SELECT MAX(SelectionID) FROM SelectionNames;");
    const int id = ds.next() ? ds.getInt(0) : 0;
    CloseDataSet();
    return id;
}

int TDaziData::GetSelectionCount(int SelectionID) {
    fb::ResultSet& ds = OpenSQL(sqlf(
        "SELECT SelectionID, COUNT(SelectionID) FROM Selections WHERE SelectionID = %d GROUP BY 1",
        SelectionID));
    const int count = ds.next() ? ds.getInt(1) : 0;
    CloseDataSet();
    return count;
}

void TDaziData::AddSelectionName(int SelectionID, const std::string& Name,
                                 const std::string& ConditionsText) {
    ExecSQL("INSERT INTO SelectionNames (SelectionID, SelectionName, SelectionConditions) "
            "VALUES (?, ?, ?)",
            {fb::Param::integer(SelectionID), fb::Param::text(Name), fb::Param::text(ConditionsText)});
}

void TDaziData::DeleteSelection(int SelectionID) {
    ExecSQL(sqlf("DELETE FROM Selections WHERE SelectionID = %d;", SelectionID));
    ExecSQL(sqlf("DELETE FROM SelectionNames WHERE SelectionID = %d;", SelectionID));
}

void TDaziData::CopySelection(int SourceID, int DestID) {
    ExecSQL("INSERT INTO Selections (SelectionID, CompanyID) SELECT :DstID, CompanyID FROM "
            "Selections WHERE SelectionID = :SrcID;",
            {fb::Param::integer(DestID), fb::Param::integer(SourceID)});
}

// --- Pictures --------------------------------------------------------------------

void TDaziData::OpenTopicImages(int L, int R) {
    OpenSQL(sqlf("SELECT Companies.CompanyID, Companies.XML, Topics0.TopicName, Images.ImageName, "
                 "Images.ImageType, Images.Comp, Images.Thumb FROM Companies, Topics0, Images "
                 "WHERE L > %d AND R < %d AND Companies.CompanyID = Topics0.CompanyID AND "
                 "Companies.CompanyID = Images.CompanyID ORDER BY TopicName, CompanyID",
                 L, R));
}

void TDaziData::OpenCompanyImages(int CompanyID) {
    OpenSQL("SELECT Images.CompanyID, Images.ImageName, Images.ImageType, Images.Comp, "
            "Images.Thumb FROM Images WHERE Images.CompanyID = " + std::to_string(CompanyID) + " " +
            "ORDER BY CompanyID");
}

std::unique_ptr<TMemoryStream> TDaziData::ReadImageBlob(std::string_view Field, int Comp) {
    fb::ResultSet& ds = DataSet();
    // Declared first so that every stream over it is gone before it is released.
    std::unique_ptr<fb::BlobReader> reader = ds.openBlob(ds.column(Field));
    if (!reader || reader->size() == 0)
        return nullptr;
    TBlobReadStream blob(*reader);

    const auto flags = static_cast<uint32_t>(Comp);
    const bool compressed = (flags & 0xFFFFu) != 0;
    const bool scrambled = (flags >> 16) != 0;

    if (!compressed && !scrambled) {
        auto result = std::make_unique<TMemoryStream>();
        result->CopyFrom(blob, reader->size());
        result->SetPosition(0);
        return result;
    }

    try {
        auto result = std::make_unique<TMemoryStream>();
        std::optional<THfgsdStream> unscrambler;
        if (scrambled)
            unscrambler.emplace(blob);
        TStream& source = scrambled ? static_cast<TStream&>(*unscrambler) : blob;
        if (compressed) {
            TZDecompressionStream inflater(source);
            // DataSize is the size of the full picture, so it bounds Data
            // only. A thumbnail, a query without the column (the picture
            // queries) or a row without a size reads to the zlib stream's end.
            const int sizeColumn = SameText1251(Field, "Data") ? ds.columnIndex("DataSize") : -1;
            const int32_t dataSize = sizeColumn >= 0 ? ds.getInt(sizeColumn) : 0;
            if (dataSize > 0)
                result->CopyFrom(inflater, dataSize);
            else
                result->CopyToEnd(inflater);
        } else {
            result->CopyFrom(source, unscrambler->InnerSize());
        }
        result->SetPosition(0);
        return result;
    } catch (const std::exception&) {
        // A picture that cannot be read is no picture.
        return nullptr;
    }
}

std::unique_ptr<TMemoryStream> TDaziData::GetImageStream(const std::string& TableName,
                                                        const std::string& ImageName,
                                                        bool PreferThumb, int ImageType) {
    fb::ResultSet& ds =
        OpenSQL(sqlf("SELECT * FROM %s WHERE ImageName = :FN AND ImageType = :FT", TableName.c_str()),
                {fb::Param::text(ImageName), fb::Param::integer(ImageType)});
    if (!ds.next())
        return nullptr;
    const int comp = ds.getInt("Comp");
    if (PreferThumb && !ds.isNull("Thumb"))
        return ReadImageBlob("Thumb", comp);
    return ReadImageBlob("Data", comp);
}

void TDaziData::LoadPicture(const std::string& ImageName, int ImageType, QImage& Picture) {
    if (ImageName.empty())
        return;
    std::unique_ptr<TMemoryStream> stream = GetImageStream("IMAGES", ImageName, false, ImageType);
    if (!stream) {
        Picture = QImage();
        return;
    }
    const std::string extension = upperExtension(Trim(DataSet().getText("ImageName")));
    const char* format = nullptr;
    if (extension == "BMP")
        format = "BMP";
    else if (extension == "JPEG" || extension == "JPG")
        format = "JPEG";
    else if (extension == "GIF")
        format = "GIF";
    else if (extension == "PNG")
        format = "PNG";
    else if (extension == "WMF" || extension == "EMF") {
        // Loads as an empty picture until the alpha bitmap / metafile
        // support exists.
        Picture = QImage();
        return;
    } else {
        return;
    }
    const std::string& bytes = stream->Bytes();
    QImage decoded;
    if (!decoded.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                              static_cast<int>(bytes.size()), format))
        throw EInvalidGraphic("The picture data is not a valid " + std::string(format) + " image");
    Picture = std::move(decoded);
}

// --- Notes -------------------------------------------------------------------------

std::string TDaziData::GetNote(int CompanyID) {
    fb::ResultSet& ds =
        OpenSQL(sqlf("SELECT NOTES.Note FROM NOTES WHERE NOTES.CompanyID = %d;", CompanyID));
    std::string note = ds.next() ? ds.getText(0) : std::string();
    CloseDataSet();
    return note;
}

void TDaziData::SetNote(int CompanyID, const std::string& Text) {
    // Runs on every keystroke of the note box: touches only this company's rows.
    fb::ResultSet& ds = OpenSQL(sqlf("SELECT * FROM NOTES WHERE CompanyID = %d", CompanyID));
    const bool exists = ds.next();
    CloseDataSet();
    if (exists) {
        if (!Text.empty())
            ExecSQL(sqlf("UPDATE NOTES SET NOTE = ? WHERE CompanyID = %d", CompanyID),
                    {fb::Param::text(Text)});
        else
            ExecSQL(sqlf("DELETE FROM NOTES WHERE CompanyID = %d", CompanyID));
    } else if (!Text.empty()) {
        ExecSQL(sqlf("INSERT INTO NOTES (CompanyID, NOTE) VALUES (%d, ?)", CompanyID),
                {fb::Param::text(Text)});
    }
}

}  // namespace catalog

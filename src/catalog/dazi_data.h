// The catalog data module: the one database connection, its one shared
// result set and every read and write of the catalog database.
//
// Each operation closes the shared result first. The Open… operations leave
// their rows in DataSet() for the caller, who walks them at once
// (while (DataSet().next()) …) before calling anything else here.
// All text is code page 1251 bytes.
#pragma once

#include "stream.h"

#include "platform/fb/fb.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QImage;

namespace catalog {

// A picture whose bytes the decoder for its extension refuses.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TDaziData {
public:
    TDaziData();
    ~TDaziData();
    TDaziData(const TDaziData&) = delete;
    TDaziData& operator=(const TDaziData&) = delete;

    // (Re)opens a catalog database: disconnects, waits 300 ms, attaches.
    // Never throws: a failed attach leaves the module unconnected and the
    // next statement reports the client library's message. ClientLibrary is
    // accepted for the callers' sake and ignored: the system libfbclient in
    // embedded mode is the only client.
    void Connect(const std::string& ClientLibrary, const std::string& DatabasePath);
    // Closes the shared result and the connection.
    void Disconnect();
    bool Connected() const;

    // The shared result set of the last Open… (or GetImageStream) call.
    // Throws std::logic_error when nothing is open.
    fb::ResultSet& DataSet();
    bool HasDataSet() const { return DaziDataSet != nullptr; }
    void CloseDataSet();

    // Statement runners for the module's own operations and the search
    // statements: close the shared result, then open or execute.
    fb::ResultSet& OpenSQL(const std::string& sql, const fb::Params& params = {});
    void ExecSQL(const std::string& sql, const fb::Params& params = {});

    // --- Topics and company lists
    void OpenTopics();
    void OpenCompanyList(bool Descending);
    void OpenSelectionList(int SelectionID);
    // Columns TopicID, TopicName, L, R, CompanyID, Property, then one value
    // column per path. Returns 7, the SQL position (from 1) of the first
    // value column; its DataSet() index (from 0) is IndexedTopicsFirstValue.
    int OpenIndexedTopics(const std::vector<std::string>& Paths);
    static constexpr int IndexedTopicsFirstValue = 6;
    // "Topic > Subtopic > Company"; empty for a negative id or no row.
    std::string GetTopicPath(int TopicID);

    // --- Company record: the unscrambled XML, empty when there is none.
    std::string GetCompanyXML(int CompanyID);

    // --- Values for search drop-downs (appended, Strings is not cleared)
    void FillDistinctValues(const std::string& Path, std::vector<std::string>& Strings);
    void FillIndexValues(const std::string& Path, std::vector<std::string>& Strings);

    // --- Saved selections
    void OpenSelectionNames();
    int GetMaxSelectionID();
    int GetSelectionCount(int SelectionID);
    void AddSelectionName(int SelectionID, const std::string& Name,
                          const std::string& ConditionsText);
    void DeleteSelection(int SelectionID);
    void CopySelection(int SourceID, int DestID);

    // --- Pictures
    void OpenTopicImages(int L, int R);
    void OpenCompanyImages(int CompanyID);
    // The blob column Field ("Thumb" or "Data") of the current row, unscrambled
    // and inflated as Comp says, as a stream at position 0; nullptr for an
    // empty or NULL blob and for any failure while reading it.
    std::unique_ptr<TMemoryStream> ReadImageBlob(std::string_view Field, int Comp);
    // nullptr when no row matches. The matching row stays current in DataSet().
    std::unique_ptr<TMemoryStream> GetImageStream(const std::string& TableName,
                                                  const std::string& ImageName,
                                                  bool PreferThumb, int ImageType);
    // Decodes the full picture by the extension of the stored ImageName.
    // Clears Picture when no row matches; leaves it unchanged for unknown
    // extensions; throws EInvalidGraphic when the decoder refuses the bytes.
    void LoadPicture(const std::string& ImageName, int ImageType, QImage& Picture);

    // --- Notes
    std::string GetNote(int CompanyID);
    // Inserts, replaces or (for an empty text) deletes the company's note.
    void SetNote(int CompanyID, const std::string& Text);

private:
    fb::Connection& connection();

    std::unique_ptr<fb::Connection> DaziSQLConnection;
    std::unique_ptr<fb::ResultSet> DaziDataSet;
    // The Database parameter: the driver attaches on demand to it when a
    // statement runs while unconnected, which is how a failed Connect
    // surfaces the client's own message at the first query.
    std::string Database = "database.gdb";
};

// The single instance, created by the entry point (tests make their own).
extern std::unique_ptr<TDaziData> DaziData;

}  // namespace catalog

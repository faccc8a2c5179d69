#include "catalog/search_sql.h"

#include "catalog/collation.h"
#include "catalog/dazi_data.h"
#include "catalog/paths.h"

namespace catalog {
namespace {

constexpr std::string_view KeywordJoin = "Companies.CompanyID = SEARCH_TEMP.CompanyID";

bool isWordSeparator(char c) { return c == '\t' || c == ' ' || c == ';'; }

std::vector<std::string> pathsOf(const TQueryConditions& conditions) {
    std::vector<std::string> paths;
    paths.reserve(conditions.size());
    for (const TQueryCondition& condition : conditions)
        paths.push_back(condition.Path);
    return paths;
}

}  // namespace

bool IsKeywordPath(std::string_view Path) { return Path == KeywordPath; }

const char* ConditionOperator(bool Negate) { return Negate ? "NOT LIKE" : "LIKE"; }

void ClearSearchTemp(TDaziData& Data) { Data.ExecSQL("DELETE FROM SEARCH_TEMP;"); }

fb::Params KeywordParams(const std::string& Word) {
    std::string pattern = UpperCase1251(Word);
    std::string prefix = pattern.substr(0, pattern.find_first_of("%_"));
    return {fb::Param::text(std::move(prefix)), fb::Param::text(std::move(pattern))};
}

// The word goes as a parameter, never into the text: a quote in it would end
// the literal and let the rest of the typed text run as SQL.
void AddKeywordMatches(TDaziData& Data, const std::string& Word) {
    Data.ExecSQL(std::string(AddKeywordMatchesStatement), KeywordParams(Word));
}

void KeepKeywordMatches(TDaziData& Data, const std::string& Word) {
    Data.ExecSQL(std::string(KeepKeywordMatchesStatement), KeywordParams(Word));
}

std::vector<std::string> KeywordWords(std::string_view Value) {
    std::vector<std::string> words;
    std::size_t p = 0;
    while (p < Value.size()) {
        while (p < Value.size() && isWordSeparator(Value[p]))
            ++p;
        const std::size_t start = p;
        while (p < Value.size() && !isWordSeparator(Value[p]))
            ++p;
        if (p > start)
            words.push_back(Trim(Value.substr(start, p - start)));
    }
    return words;
}

std::string BuildKeywordFilter(TDaziData& Data, const std::string& Value) {
    const std::vector<std::string> words = KeywordWords(Value);
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i == 0)
            AddKeywordMatches(Data, words[i]);
        else
            KeepKeywordMatches(Data, words[i]);
    }
    return std::string(KeywordJoin);
}

std::string BuildConditionText(TDaziData& Data, const TQueryConditions& Conditions,
                               bool AllConditions) {
    ClearSearchTemp(Data);
    const std::string logic = AllConditions ? "AND" : "OR";
    std::string text;
    int k = 0;
    for (const TQueryCondition& condition : Conditions) {
        if (IsKeywordPath(condition.Path)) {
            text.append(BuildKeywordFilter(Data, condition.Value)).append(" ").append(logic).append(" ");
        } else {
            text.append("UPPER(").append(PathExpression(condition.Path)).append(") ")
                .append(ConditionOperator(condition.Negate)).append(" :PN")
                .append(std::to_string(k++)).append(" ").append(logic).append(" ");
        }
    }
    // The last logic word and the blank after it go; the blank before it stays.
    text.resize(text.size() >= logic.size() + 1 ? text.size() - logic.size() - 1 : 0);
    return text;
}

fb::Params SearchParams(const TQueryConditions& Conditions) {
    fb::Params params;
    for (const TQueryCondition& condition : Conditions) {
        if (IsKeywordPath(condition.Path))
            continue;
        // Appended piece by piece (GCC 12 warns falsely on "%" + temporary).
        std::string pattern = "%";
        pattern.append(UpperCase1251(condition.Value)).append("%");
        params.push_back(fb::Param::text(std::move(pattern)));
    }
    return params;
}

TSearchStatement SelectionStatement(int NewID, const TQueryConditions& Conditions,
                                    const std::string& Where) {
    const std::vector<std::string> paths = pathsOf(Conditions);
    return {"INSERT INTO Selections (SelectionID, CompanyID) SELECT " + std::to_string(NewID) +
                ", Companies.CompanyID " + "FROM Companies" + PathTablesFrom(paths) + " " +
                "WHERE (" + Where + ")" + PathTablesJoin(paths) + ";",
            SearchParams(Conditions)};
}

TSearchStatement SelectionWithinStatement(int SourceID, int NewID,
                                          const TQueryConditions& Conditions,
                                          const std::string& Where) {
    const std::vector<std::string> paths = pathsOf(Conditions);
    return {"INSERT INTO Selections (SelectionID, CompanyID) SELECT " + std::to_string(NewID) +
                ", Companies.CompanyID " + "FROM Companies, Selections" + PathTablesFrom(paths) +
                " " + "WHERE (Companies.CompanyID = Selections.CompanyID AND Selections.SelectionID = " +
                std::to_string(SourceID) + ") AND (" + Where + ") " + PathTablesJoin(paths) + ";",
            SearchParams(Conditions)};
}

void CreateSelection(TDaziData& Data, int NewID, const TQueryConditions& Conditions,
                     bool AllConditions) {
    if (Conditions.empty())
        return;
    const std::string where = BuildConditionText(Data, Conditions, AllConditions);
    const TSearchStatement statement = SelectionStatement(NewID, Conditions, where);
    Data.ExecSQL(statement.SQL, statement.Params);
}

void CreateSelectionWithin(TDaziData& Data, int SourceID, int NewID, bool AllConditions,
                           const TQueryConditions& Conditions) {
    if (Conditions.empty())
        return;
    const std::string where = BuildConditionText(Data, Conditions, AllConditions);
    const TSearchStatement statement = SelectionWithinStatement(SourceID, NewID, Conditions, where);
    Data.ExecSQL(statement.SQL, statement.Params);
}

}  // namespace catalog

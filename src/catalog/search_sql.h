// Search conditions turned into the one INSERT that stores the matching
// companies as a new saved selection, and the keyword search through the
// scratch table SEARCH_TEMP that such a statement joins.
//
// Typed text never enters the SQL text: search values and keyword words
// travel as parameters. Text is code page 1251 bytes.
#pragma once

#include "catalog/query_condition.h"
#include "platform/fb/fb.h"

#include <string>
#include <string_view>
#include <vector>

namespace catalog {

class TDaziData;

// The keyword condition's path, letter case included. Its Value is split into
// words matched through SEARCH_TEMP, not compared with LIKE on the field, and
// its Negate has no effect.
inline constexpr std::string_view KeywordPath = "db:keywords/keyword";
bool IsKeywordPath(std::string_view Path);

// "LIKE" for a plain condition, "NOT LIKE" for a negated one.
const char* ConditionOperator(bool Negate);

// --- The keyword statements (each closes the shared result, then executes)

// Parameters: Prefix, the upper-cased word up to its first "%" or "_", and
// Word, the upper-cased word, the whole LIKE pattern. Every keyword matching
// Word starts with Prefix, so the STARTING WITH changes no result; it lets an
// index on UPPER(Keyword) serve the search. Both are cast as a text literal
// of the attachment would be typed (no character set, any length): a bare
// parameter takes the keyword column's length, and a longer word would fail
// instead of matching nothing.
inline constexpr std::string_view AddKeywordMatchesStatement =
    "INSERT INTO SEARCH_TEMP SELECT Companies.CompanyID FROM Companies, Keywords "
    "WHERE Companies.CompanyID = Keywords.CompanyID "
    "AND UPPER(Keywords.keyword) STARTING WITH CAST(:Prefix AS VARCHAR(32765) CHARACTER SET NONE) "
    "AND UPPER(Keywords.keyword) LIKE CAST(:Word AS VARCHAR(32765) CHARACTER SET NONE);";
inline constexpr std::string_view KeepKeywordMatchesStatement =
    "DELETE FROM SEARCH_TEMP WHERE NOT EXISTS (SELECT * FROM Keywords "
    "WHERE Keywords.CompanyID = SEARCH_TEMP.CompanyID "
    "AND UPPER(Keywords.keyword) STARTING WITH CAST(:Prefix AS VARCHAR(32765) CHARACTER SET NONE) "
    "AND UPPER(Keywords.keyword) LIKE CAST(:Word AS VARCHAR(32765) CHARACTER SET NONE));";
// The parameters of both statements for Word.
fb::Params KeywordParams(const std::string& Word);

void ClearSearchTemp(TDaziData& Data);
// Adds a row per Keywords row whose upper-cased keyword is LIKE the
// upper-cased Word (so a company may come more than once).
void AddKeywordMatches(TDaziData& Data, const std::string& Word);
// Drops the rows of companies without such a keyword.
void KeepKeywordMatches(TDaziData& Data, const std::string& Word);

// The words of a keyword Value: maximal runs of characters other than tab,
// blank and ";", each trimmed.
std::vector<std::string> KeywordWords(std::string_view Value);

// Fills SEARCH_TEMP (not emptied first) with the companies that have, for
// every word of Value, a keyword equal to it without regard to letter case;
// "%" and "_" typed by the user act as LIKE wildcards. Returns the join
// "Companies.CompanyID = SEARCH_TEMP.CompanyID".
std::string BuildKeywordFilter(TDaziData& Data, const std::string& Value);

// The text between the parentheses of WHERE: the conditions joined by AND
// (AllConditions) or OR, each plain one written "UPPER(expr) LIKE :PNk "
// with k counted over the plain conditions only, and a trailing blank.
// Empties SEARCH_TEMP first and runs the keyword statements of every keyword
// condition. Empty for no conditions.
std::string BuildConditionText(TDaziData& Data, const TQueryConditions& Conditions,
                               bool AllConditions);

// An INSERT and its positional parameters.
struct TSearchStatement {
    std::string SQL;
    fb::Params Params;
};

// "%" + upper-case Value + "%" for each condition that is not the keyword
// condition, in order: the values of :PN0, :PN1, ...
fb::Params SearchParams(const TQueryConditions& Conditions);

// The INSERT of CreateSelection / CreateSelectionWithin for Conditions whose
// WHERE text (from BuildConditionText) is Where. Nothing is run.
TSearchStatement SelectionStatement(int NewID, const TQueryConditions& Conditions,
                                    const std::string& Where);
TSearchStatement SelectionWithinStatement(int SourceID, int NewID,
                                          const TQueryConditions& Conditions,
                                          const std::string& Where);

// Inserts into Selections under NewID the companies of the whole catalog
// that satisfy the conditions; nothing happens for no conditions. A company
// comes once per matching row of the joined tables (keywords: per keyword).
void CreateSelection(TDaziData& Data, int NewID, const TQueryConditions& Conditions,
                     bool AllConditions);
// The same among the members of selection SourceID.
void CreateSelectionWithin(TDaziData& Data, int SourceID, int NewID, bool AllConditions,
                           const TQueryConditions& Conditions);

}  // namespace catalog

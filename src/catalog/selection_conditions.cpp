#include "catalog/selection_conditions.h"

#include "catalog/collation.h"
#include "catalog/dazi_data.h"

#include <string>
#include <vector>

namespace catalog {
namespace {

constexpr char Quote = '"';
constexpr char Delimiter = ',';

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool needsQuotes(std::string_view entry) {
    for (char c : entry)
        if (isBlank(c) || c == Quote || c == Delimiter)
            return true;
    return false;
}

std::string quoted(std::string_view entry) {
    std::string result(1, Quote);
    for (char c : entry) {
        result += c;
        if (c == Quote)
            result += Quote;
    }
    result += Quote;
    return result;
}

// The stored list split into its entries, quotes resolved. A NUL byte ends
// the text, as it did for the string routines the format comes from.
std::vector<std::string> splitEntries(std::string_view text) {
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::string> entries;
    std::size_t p = 0;
    const std::size_t end = text.size();
    auto skipBlanks = [&] {
        while (p < end && isBlank(text[p]))
            ++p;
    };
    skipBlanks();
    while (p < end) {
        std::string entry;
        if (text[p] == Quote) {
            ++p;
            while (p < end) {
                if (text[p] == Quote) {
                    if (p + 1 < end && text[p + 1] == Quote) {
                        entry += Quote;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                entry += text[p++];
            }
        } else {
            const std::size_t start = p;
            while (p < end && !isBlank(text[p]) && text[p] != Delimiter)
                ++p;
            entry.assign(text.substr(start, p - start));
        }
        entries.push_back(std::move(entry));
        skipBlanks();
        if (p < end && text[p] == Delimiter) {
            if (p + 1 == end)
                entries.emplace_back();
            ++p;
            skipBlanks();
        }
    }
    return entries;
}

}  // namespace

std::string ConditionsToText(const TQueryConditions& Conditions) {
    std::string text;
    for (std::size_t i = 0; i < Conditions.size(); ++i) {
        const std::string entry = Conditions[i].Path + "=" + Conditions[i].Value;
        if (i > 0)
            text += Delimiter;
        text += needsQuotes(entry) ? quoted(entry) : entry;
    }
    return text;
}

TQueryConditions TextToConditions(std::string_view Text) {
    TQueryConditions conditions;
    for (const std::string& entry : splitEntries(Text)) {
        if (Trim(entry).empty())
            continue;
        TQueryCondition condition;
        const std::size_t equals = entry.find('=');
        condition.Path = entry.substr(0, equals);
        if (equals != std::string::npos) {
            const std::size_t next = entry.find('=', equals + 1);
            condition.Value = entry.substr(equals + 1, next == std::string::npos ? std::string::npos : next - equals - 1);
        }
        conditions.push_back(std::move(condition));
    }
    return conditions;
}

TQueryConditions GetSelectionConditions(TDaziData& Data, int SelectionID) {
    fb::ResultSet& rows = Data.OpenSQL("SELECT SelectionConditions FROM SelectionNames WHERE SelectionID = " +
                                       std::to_string(SelectionID) + ";");
    const std::string text = rows.next() ? rows.getText(0) : std::string();
    Data.CloseDataSet();
    return TextToConditions(text);
}

}  // namespace catalog

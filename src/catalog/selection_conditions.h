// The conditions stored with a saved selection (SelectionNames.SelectionConditions):
// a comma-separated list of Path "=" Value entries, an entry with a blank, a
// control character, a comma or a double quote written in double quotes
// (inner quotes doubled). Negate and the AND/OR choice are not stored.
#pragma once

#include "catalog/query_condition.h"

#include <string>
#include <string_view>

namespace catalog {

class TDaziData;

// The stored text of Conditions (code page 1251).
std::string ConditionsToText(const TQueryConditions& Conditions);

// The conditions read back from a stored text: entries empty after trimming
// are dropped; Path is the text before the first "=", Value the text after it
// up to the next "=" (an entry without "=" is all Path); Negate is false.
TQueryConditions TextToConditions(std::string_view Text);

// TextToConditions of the selection's stored text; none when it has no row.
TQueryConditions GetSelectionConditions(TDaziData& Data, int SelectionID);

}  // namespace catalog

// Company records (XML text, UTF-8 here; converted to code page 1251 when the
// catalog model is built). The record shape is described in demo_records.cpp.
#pragma once

#include "demo_companies.h"

#include <string>

namespace makecatalog::demo {

std::string companyRecord(const DemoCompany& company, bool english);

}  // namespace makecatalog::demo

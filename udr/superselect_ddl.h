// The declaration of SUPERSELECT that every catalog database carries; the
// catalog builder executes it when it creates a database. The sizes must
// match the messages in superselect_udr.cpp.
#pragma once

namespace superselect {

// PATH and KEY are ASCII in practice and pass as raw bytes (NONE); the
// result is WIN1251 so that UPPER folds Cyrillic letters. Values longer than
// 4000 bytes are cut.
inline constexpr const char* SuperselectDeclaration =
    "CREATE FUNCTION SUPERSELECT ("
    "XML BLOB, "
    "PATH VARCHAR(255) CHARACTER SET NONE, "
    "KEY VARCHAR(255) CHARACTER SET NONE) "
    "RETURNS VARCHAR(4000) CHARACTER SET WIN1251 "
    "EXTERNAL NAME 'superselect!superselect' "
    "ENGINE UDR";

}  // namespace superselect

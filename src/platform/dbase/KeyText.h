#pragma once

#include <string>
#include <string_view>

// Texts as tags and queries compare them: the Windows-1252 bytes of the field without its
// trailing blanks (and the NULs some writers pad with), compared byte by byte; "Smith" and
// "Smith   " are the same key, " Smith" is not.
namespace quarvex::dbase {

std::string_view TrimTrailing(std::string_view bytes);

// Windows-1252 capitals: a-z and the accented small letters of the code page (à to þ but ÷,
// and š, œ, ž, ÿ), so that UPPER keys find "émile" as "ÉMILE".
char UpperWindows1252(char byte);
void MakeUpper(std::string& bytes);

} // namespace quarvex::dbase

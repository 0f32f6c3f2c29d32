// Windows-1252 table text to and from UTF-8 for the data tool's output and
// arguments (the engine itself passes bytes). A character Windows-1252
// cannot hold becomes "?"; invalid UTF-8 bytes do too.
#ifndef TOOLS_CP1252TEXT_H
#define TOOLS_CP1252TEXT_H

#include <string>

std::string Cp1252ToUtf8(const std::string& bytes);
std::string Utf8ToCp1252(const std::string& text);
// text as a JSON string literal, quotes included.
std::string JsonString(const std::string& utf8);

#endif

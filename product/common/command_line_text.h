// Reading the installed programs' command lines. Both take what follows their own name as one
// text: the file type's open command is registered without quotes around "%1", so a document
// path with blanks arrives as several words.
#pragma once

#include <string>

namespace product {

// The text after the program's own name (quoted, or up to the first blank), without the blanks
// and tabs around it.
std::string ArgumentText(const std::string& commandLine);
// The first word of the arguments: up to the first blank, or inside its quotes.
std::string FirstWord(const std::string& arguments);
// The arguments taken as one path: inside the quotes when they begin with one, else all of it.
std::string WholeArgumentAsPath(const std::string& arguments);

}  // namespace product

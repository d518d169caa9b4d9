#pragma once
// Test names made from the texts of cases: GoogleTest takes letters, digits and '_' only.
#include <cctype>
#include <string>

// The letters and digits of a text, in order.
inline std::string LettersAndDigits(const std::string &text)
{
    std::string name;
    for (const char ch : text)
        if (std::isalnum(static_cast<unsigned char>(ch)))
            name += ch;
    return name;
}

// The integer rule of dialog data exchange: what an edit's text must look like to
// be taken as an int.
#pragma once

#include <string>

// At most the first 31 characters are read: blanks or tabs, an optional sign, decimal
// digits, blanks or tabs. A zero must be written with the digit "0" first. Values
// outside the int range are refused.
bool ParseExchangeInt(const std::string& text, int& value);

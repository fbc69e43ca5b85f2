// Integer texts: dialog fields, stored settings and the launch index.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/int_exchange.h"
#include "framework/mbstr.h"
#include "settings/settings_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    int value = 0;
    if (ParseExchangeInt(text, value) && FormatDecimal(value).empty())
        std::abort();
    int decimal = ParseDecimal(text.c_str());
    // Formatting and reading back gives the same number.
    if (ParseDecimal(FormatDecimal(decimal).c_str()) != decimal)
        std::abort();
    ParseSettingValue(text.c_str(), IntSetting::SavedPosX);
    return 0;
}

// A dialog field takes the decimal reading of its first 31 characters; numbers round-trip.
#include "framework/int_exchange.h"
#include "framework/mbstr.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    int value = 0, decimal = ParseDecimal(text.c_str());
    if ((ParseExchangeInt(text, value) && ParseDecimal(text.substr(0, 31).c_str()) != value) ||
        ParseDecimal(FormatDecimal(decimal).c_str()) != decimal)
        __builtin_trap();
    return 0;
}

#include "app/startup.h"
#include "framework/mbstr.h"

#include <cstring>

const char kProgramTitle[] = "Lumaplay";
const char kInstanceMutexName[] = "Lumaplay-Quenby-Application";
const char kAppletMissingText[] = "DOVEdivozが正しくインストールされていません。";
const char kErrorCaption[] = "ERROR";

bool LaunchesOneProcessPerFile(int nameCount, int singleInstanceSetting) {
    return nameCount >= 2 && singleInstanceSetting == 0;
}

bool HandsOffToRunningInstance(bool firstInstance, int singleInstanceSetting) {
    return !firstInstance && singleInstanceSetting == 1;
}

bool IsPlayerWindowTitle(const char* title) {
    return std::strncmp(title, kProgramTitle, sizeof(kProgramTitle) - 1) == 0;
}

std::string ReadHandOffName(const void* data, std::size_t cbData) {
    if (data == nullptr)
        return std::string();
    const char* bytes = static_cast<const char*>(data);
    const void* nul = std::memchr(bytes, '\0', cbData);
    std::size_t length = nul ? static_cast<const char*>(nul) - bytes : cbData;
    return std::string(bytes, length);
}

std::string BuildLaunchArguments(const std::string& name, int index) {
    return "\"" + name + "\" -BP:" + FormatDecimal(index);
}

std::string BuildLaunchCommandLine(const std::string& program, const std::string& arguments) {
    return "\"" + program + "\" " + arguments;
}

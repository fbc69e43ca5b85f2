#include "app/startup.h"
#include "framework/mbstr.h"

const char kAppletMissingText[] = "DOVEdivozが正しくインストールされていません。";

bool LaunchesOneProcessPerFile(int nameCount, int singleInstanceSetting) {
    return nameCount >= 2 && singleInstanceSetting == 0;
}

bool HandsOffToRunningInstance(bool firstInstance, int singleInstanceSetting) {
    return !firstInstance && singleInstanceSetting == 1;
}

std::string BuildLaunchArguments(const std::string& name, int index) {
    return "\"" + name + "\" -BP:" + FormatDecimal(index);
}

std::string BuildLaunchCommandLine(const std::string& program, const std::string& arguments) {
    return "\"" + program + "\" " + arguments;
}

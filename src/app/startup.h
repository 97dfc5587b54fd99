#pragma once
// The toolkit-free pieces of start-up.

#include <string>
#include <string_view>

namespace quenzar {

// The two fatal errors of start-up.
inline constexpr std::string_view kLayoutUnreadable = "载入窗口模板数据段出错!";
inline constexpr std::string_view kWindowNotCreated = "载入启动窗口失败";

// The text of the fatal error box (UTF-8): "运行时出错!", CR LF, CR LF,
// "错误信息：", the message, CR LF.
std::string fatalErrorText(std::string_view message);
inline constexpr std::string_view kFatalErrorTitle = "错误";

// Makes the folder of the running executable the working directory. The
// program reads no file, so a failure here changes nothing and is not reported.
void enterExecutableFolder();

}  // namespace quenzar

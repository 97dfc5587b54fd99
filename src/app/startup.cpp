#include "app/startup.h"

#include <filesystem>
#include <system_error>

namespace quenzar {

std::string fatalErrorText(std::string_view message) {
  std::string text = "运行时出错!\r\n\r\n错误信息：";
  text += message;
  text += "\r\n";
  return text;
}

void enterExecutableFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return;
  std::filesystem::current_path(executable.parent_path(), error);
}

}  // namespace quenzar

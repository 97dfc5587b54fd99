#pragma once
// The names by which handlers address the controls of the main window.

#include <string_view>

namespace quenzar {
// The main window itself, as control access addresses it (its title).
inline constexpr std::string_view kMainWindow = "主窗口";
}  // namespace quenzar

namespace quenzar::control {

// Crystal search group
inline constexpr std::string_view kStartCrystal = "起始晶振";
inline constexpr std::string_view kEndCrystal = "结束晶振";
inline constexpr std::string_view kStep = "步进";
inline constexpr std::string_view kCentre = "中心";
inline constexpr std::string_view kError = "误差";
inline constexpr std::string_view kUpper = "上限";
inline constexpr std::string_view kLower = "下限";
// Output table group
inline constexpr std::string_view kFixedCrystal = "固定晶振";
inline constexpr std::string_view kMode0 = "方式0";
inline constexpr std::string_view kMode1 = "方式1";
inline constexpr std::string_view kMode2 = "方式2";
// Shared
inline constexpr std::string_view kResults = "编辑框1";
inline constexpr std::string_view kFileDialog = "通用对话框1";

}  // namespace quenzar::control

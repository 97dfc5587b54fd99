#include "app/main_window_layout.h"

#include <array>

#include "app/control_names.h"
#include "calc/crystal_search.h"
#include "calc/output_table.h"
#include "calc/tolerance_band.h"
#include "calc/window_created.h"
#include "output/save_results.h"

namespace quenzar {
namespace {

// Number boxes: one centred line of bold green digits on black. Typing lets
// only digits, the minus sign and the point through; what they mean as a
// number is the parser's matter, so "--1..2" may well be typed.
constexpr EditBoxSettings kNumberBox{
    .multiLine = false,
    .verticalScrollBar = false,
    .align = TextAlign::centre,
    .textColour = {0, 255, 0},
    .backColour = {0, 0, 0},
    .font = {.face = "宋体", .pixelHeight = 20, .bold = true},
    .typedCharacters = "0123456789-.",
};

// The results box: wrapped lines, a vertical scroll bar, editable, no limit.
constexpr EditBoxSettings kResultsBox{
    .multiLine = true,
    .verticalScrollBar = true,
    .align = TextAlign::left,
    .textColour = {0, 0, 0},
    .backColour = {255, 255, 255},
    .font = {},
    .typedCharacters = {},
};

// GBK, like every text the save works with.
constexpr FileDialogSettings kSaveResultsDialog{
    .kind = 1,
    .title = "\xb1\xa3\xb4\xe6\xbd\xe1\xb9\xfb",  // "保存结果"
    .fileName = "\xd5\xd2\xb5\xbd\xb5\xc4\xbe\xa7\xd5\xf1\xc6\xb5\xc2\xca\xba\xcd\xb6\xa8\xca\xb1"
                "\xc6\xf7\xd6\xb5",              // "找到的晶振频率和定时器值"
    .filter = "\xce\xc4\xb1\xbe\xce\xc4\xb5\xb5|*.txt",  // "文本文档|*.txt"
    .initialFilter = 0,
    .initialFolder = "d:\\",
    .defaultExtension = ".txt",
    .createPrompt = false,
    .fileMustExist = true,
    .overwritePrompt = true,
    .pathMustExist = true,
    .keepCurrentFolder = false,
};

// The seven bindings: the window's created event, the two start buttons, the
// two save buttons and the two band inputs.
constexpr std::array kWindowCreated{QUENZAR_BIND(ControlEvent::created, onWindowCreated)};
constexpr std::array kTableSave{QUENZAR_BIND(ControlEvent::clicked, onTableSaveClicked)};
constexpr std::array kTableStart{QUENZAR_BIND(ControlEvent::clicked, onTableStartClicked)};
constexpr std::array kErrorChanged{QUENZAR_BIND(ControlEvent::textChanged, onErrorChanged)};
constexpr std::array kCentreChanged{QUENZAR_BIND(ControlEvent::textChanged, onCentreChanged)};
constexpr std::array kSearchSave{QUENZAR_BIND(ControlEvent::clicked, onSearchSaveClicked)};
constexpr std::array kSearchStart{QUENZAR_BIND(ControlEvent::clicked, onSearchStartClicked)};

using K = ControlKind;

constexpr ControlLayout radio(std::string_view name, int top, bool checked) {
  return {.kind = K::radioButton, .name = name, .left = 88, .top = top, .width = 56,
          .height = 24, .parent = "分组框2", .text = name, .checked = checked};
}

constexpr ControlLayout button(std::string_view name, std::string_view parent, int left,
                               int top, std::string_view caption,
                               std::span<const EventBinding> bindings) {
  return {.kind = K::button, .name = name, .left = left, .top = top, .width = 72,
          .height = 24, .parent = parent, .bindings = bindings, .text = caption};
}

constexpr ControlLayout numberBox(std::string_view name, std::string_view parent, int left,
                                  int top, int width, int height, std::string_view text,
                                  std::span<const EventBinding> bindings = {}) {
  return {.kind = K::editBox, .name = name, .left = left, .top = top, .width = width,
          .height = height, .parent = parent, .bindings = bindings, .text = text,
          .edit = kNumberBox};
}

constexpr ControlLayout label(std::string_view name, int left, int top, int width,
                              std::string_view caption, std::string_view parent = "分组框1") {
  return {.kind = K::label, .name = name, .left = left, .top = top, .width = width,
          .height = 12, .parent = parent, .tabStop = false, .text = caption};
}

constexpr ControlLayout groupBox(std::string_view name, int left, int width,
                                 std::string_view caption) {
  return {.kind = K::groupBox, .name = name, .left = left, .top = 232, .width = width,
          .height = 144, .tabStop = false, .text = caption};
}

// In list order: earlier entries stack above later ones, and Tab walks the
// list from its end. Labels use the full-width colon "：".
constexpr std::array kControls{
    radio("方式2", 112, false),
    radio("方式1", 72, false),
    radio("方式0", 32, true),
    button("保存结果1", "分组框2", 8, 112, "保存结果", kTableSave),
    button("开始计算1", "分组框2", 8, 72, "开始计算", kTableStart),
    numberBox("固定晶振", "分组框2", 8, 32, 72, 20, "24"),
    label("标签7", 8, 16, 72, "晶振MHz：", "分组框2"),
    groupBox("分组框2", 256, 160, "已知晶振寻找可输出频率："),
    label("标签9", 160, 16, 72, "允许误差±%："),
    numberBox("误差", "分组框1", 160, 31, 72, 24, "0.025", kErrorChanged),
    label("标签6", 88, 56, 48, "中心KHz："),
    numberBox("中心", "分组框1", 88, 71, 64, 20, "40", kCentreChanged),
    label("标签5", 8, 56, 72, "结束晶振MHz："),
    numberBox("结束晶振", "分组框1", 8, 71, 72, 20, "24.5"),
    button("保存结果", "分组框1", 160, 111, "保存结果", kSearchSave),
    numberBox("步进", "分组框1", 8, 111, 72, 20, "0.0001"),
    label("标签4", 88, 16, 48, "上限KHz："),
    label("标签3", 88, 96, 48, "下限KHz："),
    label("标签2", 8, 96, 48, "步进MHz："),
    label("标签1", 8, 16, 72, "起始晶振MHz："),
    numberBox("起始晶振", "分组框1", 8, 31, 72, 20, "23.5"),
    numberBox("上限", "分组框1", 88, 31, 64, 20, "40.1"),
    numberBox("下限", "分组框1", 88, 111, 64, 20, "39.9"),
    button("开始计算", "分组框1", 160, 71, "开始计算", kSearchStart),
    groupBox("分组框1", 8, 240, "已知要输出的频率寻找晶振的值："),
    ControlLayout{.kind = K::fileDialog, .name = "通用对话框1", .visible = false,
                  .tabStop = false, .fileDialog = &kSaveResultsDialog},
    ControlLayout{.kind = K::editBox, .name = "编辑框1", .left = 8, .top = 8, .width = 408,
                  .height = 216, .edit = kResultsBox},
};
static_assert(kControls.size() == 27);

constexpr WindowLayout kMainWindowLayout{
    .name = kMainWindow,
    .title = "Quenzar-单片机辅助工具",
    .outerWidth = 427,
    .outerHeight = 402,
    .escCloses = true,
    .bindings = kWindowCreated,
    .controls = kControls,
};

}  // namespace

const WindowLayout& mainWindowLayout() { return kMainWindowLayout; }

}  // namespace quenzar

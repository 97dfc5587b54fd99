// The window layout, its check, the Tab order it gives, and event dispatch;
// all without a toolkit.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/event_dispatch.h"
#include "app/keyboard_order.h"
#include "app/layout_check.h"
#include "app/main_window_layout.h"

namespace quenzar {
namespace {

std::vector<std::string> names(const std::vector<const ControlLayout*>& controls) {
  std::vector<std::string> out;
  for (const ControlLayout* control : controls) out.emplace_back(control->name);
  return out;
}

TEST(MainWindowLayout, PassesTheCheckWithTheSevenBindings) {
  const WindowLayout& layout = mainWindowLayout();
  EXPECT_EQ(checkLayout(layout), "");
  EXPECT_EQ(layout.controls.size(), 27u);

  std::vector<std::string> bound;
  for (const EventBinding& b : layout.bindings) bound.push_back("主窗口:" + std::string(b.handlerName));
  for (const ControlLayout& control : layout.controls) {
    for (const EventBinding& b : control.bindings) {
      bound.push_back(std::string(control.name) + ":" + std::string(b.handlerName));
    }
  }
  EXPECT_EQ(bound, (std::vector<std::string>{
                       "主窗口:onWindowCreated", "保存结果1:onTableSaveClicked",
                       "开始计算1:onTableStartClicked", "误差:onErrorChanged",
                       "中心:onCentreChanged", "保存结果:onSearchSaveClicked",
                       "开始计算:onSearchStartClicked"}));
}

TEST(MainWindowLayout, TabOrderRunsTheListBackwards) {
  EXPECT_EQ(names(tabOrderList(mainWindowLayout())),
            (std::vector<std::string>{"编辑框1", "开始计算", "下限", "上限", "起始晶振", "步进",
                                      "保存结果", "结束晶振", "中心", "误差", "固定晶振",
                                      "开始计算1", "保存结果1", "方式0", "方式1", "方式2"}));
}

TEST(KeyboardOrder, KeysSortFirstThenReverseListOrder) {
  const ControlLayout controls[] = {
      {.kind = ControlKind::button, .name = "a", .tabOrder = 1},
      {.kind = ControlKind::editBox, .name = "hidden", .visible = false},
      {.kind = ControlKind::button, .name = "b", .tabOrder = 0},
      {.kind = ControlKind::editBox, .name = "off", .disabled = true},
      {.kind = ControlKind::label, .name = "label"},
      {.kind = ControlKind::radioButton, .name = "c", .tabOrder = 1},
      {.kind = ControlKind::button, .name = "notab", .tabStop = false},
      {.kind = ControlKind::fileDialog, .name = "dialog"},
      {.kind = ControlKind::editBox, .name = "d", .tabOrder = 0},
  };
  const WindowLayout layout{.name = "w", .controls = controls};
  const auto list = tabOrderList(layout);
  EXPECT_EQ(names(list), (std::vector<std::string>{"d", "b", "c", "a"}));
  EXPECT_EQ(nextInTabOrder(list, "a", true)->name, "d");
  EXPECT_EQ(nextInTabOrder(list, "d", false)->name, "a");
  EXPECT_EQ(nextInTabOrder(list, "label", true)->name, "d");
  EXPECT_EQ(nextInTabOrder(list, "label", false)->name, "a");
  EXPECT_EQ(nextInTabOrder({}, "a", true), nullptr);
}

TEST(KeyboardOrder, ArrowsStayAmongRadioButtonsOfOneParent) {
  const ControlLayout controls[] = {
      {.kind = ControlKind::groupBox, .name = "g1"},
      {.kind = ControlKind::groupBox, .name = "g2"},
      {.kind = ControlKind::radioButton, .name = "x", .parent = "g2"},
      {.kind = ControlKind::radioButton, .name = "r2", .parent = "g1"},
      {.kind = ControlKind::button, .name = "between", .parent = "g1"},
      {.kind = ControlKind::radioButton, .name = "r1", .parent = "g1"},
  };
  const WindowLayout layout{.name = "w", .controls = controls};
  const auto list = tabOrderList(layout);
  EXPECT_EQ(nextRadioButton(list, "r1", true)->name, "r2");
  EXPECT_EQ(nextRadioButton(list, "r2", true)->name, "r1");
  EXPECT_EQ(nextRadioButton(list, "r1", false)->name, "r2");
  EXPECT_EQ(nextRadioButton(list, "x", true)->name, "x");
  EXPECT_EQ(nextRadioButton(list, "between", true), nullptr);
}

struct BrokenLayout {
  const char* what;
  std::vector<ControlLayout> controls;
  std::vector<EventBinding> windowBindings{};
};
void PrintTo(const BrokenLayout& row, std::ostream* out) { *out << row.what; }

class LayoutCheckTest : public ::testing::TestWithParam<BrokenLayout> {};

void someHandler() {}
constexpr EventBinding kClickSome[] = {QUENZAR_BIND(ControlEvent::clicked, someHandler)};
constexpr EventBinding kClickNobody[] = {{ControlEvent::clicked, nullptr, "onNobody"}};
constexpr EventBinding kTextChangedSome[] = {QUENZAR_BIND(ControlEvent::textChanged, someHandler)};

TEST_P(LayoutCheckTest, IsRejected) {
  const BrokenLayout& broken = GetParam();
  const WindowLayout layout{.name = "主窗口", .bindings = broken.windowBindings,
                            .controls = broken.controls};
  EXPECT_NE(checkLayout(layout), "");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LayoutCheckTest,
    ::testing::Values(
        BrokenLayout{"duplicate_name",
                     {{.kind = ControlKind::button, .name = "b"},
                      {.kind = ControlKind::label, .name = "b"}}},
        BrokenLayout{"window_name_taken", {{.kind = ControlKind::button, .name = "主窗口"}}},
        BrokenLayout{"empty_name", {{.kind = ControlKind::button, .name = ""}}},
        BrokenLayout{"missing_parent", {{.kind = ControlKind::button, .name = "b", .parent = "g"}}},
        BrokenLayout{"parent_not_group_box",
                     {{.kind = ControlKind::label, .name = "l"},
                      {.kind = ControlKind::button, .name = "b", .parent = "l"}}},
        BrokenLayout{"parent_ring",
                     {{.kind = ControlKind::groupBox, .name = "g1", .parent = "g2"},
                      {.kind = ControlKind::groupBox, .name = "g2", .parent = "g1"}}},
        BrokenLayout{"window_in_list", {{.kind = ControlKind::mainWindow, .name = "w2"}}},
        BrokenLayout{"binding_without_procedure",
                     {{.kind = ControlKind::button, .name = "b", .bindings = kClickNobody}}},
        BrokenLayout{"event_kind_cannot_raise",
                     {{.kind = ControlKind::button, .name = "b", .bindings = kTextChangedSome}}},
        BrokenLayout{"window_binding_wrong_event", {}, {QUENZAR_BIND(ControlEvent::clicked, someHandler)}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(LayoutCheck, AcceptsNestedGroupBoxesAndKnownBindings) {
  const ControlLayout controls[] = {
      {.kind = ControlKind::groupBox, .name = "outer"},
      {.kind = ControlKind::groupBox, .name = "inner", .parent = "outer"},
      {.kind = ControlKind::button, .name = "b", .parent = "inner", .bindings = kClickSome},
  };
  const WindowLayout layout{.name = "主窗口", .controls = controls};
  EXPECT_EQ(checkLayout(layout), "");
}

// Dispatch, with handlers that log into this list.
std::vector<std::string> dispatched;
EventDispatcher* nestedDispatcher = nullptr;
void inner() { dispatched.push_back("inner"); }
constexpr EventBinding kInner[] = {QUENZAR_BIND(ControlEvent::textChanged, inner)};
void outer() {
  dispatched.push_back("outer begins");
  nestedDispatcher->dispatchEvent(kInner, ControlEvent::textChanged);
  dispatched.push_back("outer ends");
}

TEST(EventDispatch, CallsTheBoundHandlerAtOnceAndNestsDirectly) {
  EventDispatcher dispatcher;
  nestedDispatcher = &dispatcher;
  dispatched.clear();
  constexpr EventBinding bindings[] = {QUENZAR_BIND(ControlEvent::created, inner),
                                       QUENZAR_BIND(ControlEvent::clicked, outer)};
  dispatcher.dispatchEvent(bindings, ControlEvent::textChanged);  // unbound: nothing
  EXPECT_TRUE(dispatched.empty());
  dispatcher.dispatchEvent(bindings, ControlEvent::clicked);
  EXPECT_EQ(dispatched, (std::vector<std::string>{"outer begins", "inner", "outer ends"}));
}

TEST(EventDispatch, ACallOtherThanTheProcedureSeesTheBindingsName) {
  static std::vector<std::string> called;
  called.clear();
  EventDispatcher dispatcher(+[](const EventBinding& b) { called.emplace_back(b.handlerName); });
  dispatched.clear();
  dispatcher.dispatchEvent(kInner, ControlEvent::textChanged);
  EXPECT_EQ(called, std::vector<std::string>{"inner"});
  EXPECT_TRUE(dispatched.empty());
}

TEST(EventDispatch, NothingRunsWhileSuspended) {
  EventDispatcher dispatcher;
  dispatched.clear();
  {
    ScopedEventSuspension outer(dispatcher);
    ScopedEventSuspension inner(dispatcher);
    dispatcher.dispatchEvent(kInner, ControlEvent::textChanged);
  }
  EXPECT_TRUE(dispatched.empty());
  dispatcher.dispatchEvent(kInner, ControlEvent::textChanged);
  EXPECT_EQ(dispatched, std::vector<std::string>{"inner"});
}

}  // namespace
}  // namespace quenzar

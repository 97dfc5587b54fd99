#pragma once
// Handlers by name. A layout binds events to handler names; this table turns
// a name into the procedure to call. Tests build tables of their own.

#include <span>
#include <string_view>

namespace quenzar {

using Handler = void (*)();

struct HandlerEntry {
  std::string_view name;
  Handler handler;
};

using HandlerTable = std::span<const HandlerEntry>;

// The program's handlers: the window created event, the two start buttons,
// the two save buttons and the two band inputs.
HandlerTable programHandlers();

// The handler called name, or nullptr.
Handler findHandler(HandlerTable table, std::string_view name);

}  // namespace quenzar

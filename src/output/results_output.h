#pragma once
// The results box 编辑框1 and the window title as a run reports to them.

#include <string_view>

namespace quenzar {

// The results box becomes empty.
void clearResults();
// The text goes at the very end of the results box, exactly its bytes,
// whatever the user selected; the end is scrolled into view.
void appendResults(std::string_view gbkText);
// The window title becomes the text; nothing else happens.
void setProgressTitle(std::string_view gbkText);

}  // namespace quenzar

#pragma once

namespace zuno::enter {

// The desktop's Enter key, when no field takes it, answers the dialog on top as its main button would:
// the first button that is not the cancel button, or the only button there is. Answers whether a
// dialog took the key (a progress note without buttons takes it and stays).
bool confirmTopDialog();

}  // namespace zuno::enter

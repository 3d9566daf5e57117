#pragma once
// The program's own texts (the UTF-8 literals of its profile and rules) in
// the interface language. They are looked up in one translation context per
// program, named after it, as the model marks them and its .ts files hold
// them; a text without a translation is shown as it is.

#include <QString>

namespace rk {

// Names the context: the profile's program name. The program's shell sets it
// before it builds anything that shows a text.
void SetTextContext(const char* programName);

// `disambiguation` tells apart a text that reads the same in the model's
// language but not in another ("Готово": ready, and finish); without a
// translation so marked the plain one serves.
QString Tr(const char* utf8, const char* disambiguation = nullptr);

}  // namespace rk

// The toolkit's one error text, kept for diagnosis only: every toolkit operation clears it when
// it starts and sets one fixed message beginning "ERROR, " when it fails. Nothing decides by it.
#pragma once

#include <string>

namespace toolkit {

const std::string& LastErrorText();
void SetLastErrorText(const char* message);
void ClearLastErrorText();

}  // namespace toolkit

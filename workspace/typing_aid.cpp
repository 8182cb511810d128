#include "typing_aid.h"

namespace brennvik {

void ApplyTypingAid(RichTextPane *, int, bool) {}

}  // namespace brennvik

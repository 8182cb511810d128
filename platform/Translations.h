#pragma once
// The toolkit's own texts in Japanese: the buttons of message boxes
// (はい, いいえ, キャンセル) and the Open and Save As dialogs, whatever the
// language of the system, as the program's own texts are.

namespace brennvik {

// Loads the toolkit's Japanese catalogue for the whole application (once).
// False when it is not installed; the standard texts then stay English.
bool LoadToolkitTranslations();

}  // namespace brennvik

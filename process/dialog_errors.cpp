#include "dialog_errors.h"

#include <optional>

namespace brennvik {

namespace {
std::optional<RuntimeError> &Kept() {
    static std::optional<RuntimeError> kept;
    return kept;
}
}  // namespace

void KeepDialogError(const RuntimeError &error) { Kept() = error; }

void RaiseKeptDialogError() {
    if (!Kept()) return;
    const RuntimeError error = *Kept();
    Kept().reset();
    throw error;
}

void ClearKeptDialogError() { Kept().reset(); }

}  // namespace brennvik

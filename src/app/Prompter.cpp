#include "app/Prompter.h"

namespace wattmere {

PromptAnswer safeAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNoCancel:
    case PromptButtons::YesCancel:
        return PromptAnswer::Cancel;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    }
    return PromptAnswer::Cancel;
}

} // namespace wattmere

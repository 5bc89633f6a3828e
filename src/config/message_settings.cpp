#include "config/message_settings.h"

namespace brevant {

DialogButtonSet MessageSettings::ButtonSet() const
{
    switch (buttons.choice) {
    case ButtonsChoice::ShowAll:
        return AllShownButtons;
    case ButtonsChoice::Display: {
        DialogButtonSet set = 0;
        for (size_t i = 0; i < ButtonTokens.size(); ++i)
            if (buttons.ticks[i])
                set |= ButtonTokens[i].bit;
        return set;
    }
    case ButtonsChoice::Hide:
    case ButtonsChoice::None:
        break;
    }
    return 0;
}

}  // namespace brevant

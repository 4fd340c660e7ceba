#pragma once

#include "platform/Graphics.h"

namespace tumbledown {

// The game object: lives exactly while its screen is on view.
class ShutTheBoxGame {
public:
    ShutTheBoxGame();
    void paint();

private:
    Bitmap tile_;
    Bitmap board_;
};

} // namespace tumbledown

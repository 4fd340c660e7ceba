#include "TTumbledownApp.h"

#include "TTumbledownWindow.h"
#include "platform/Graphics.h"

namespace tumbledown {

TTumbledownApp::TTumbledownApp(int& argc, char** argv) : app_(argc, argv) {
    QApplication::setApplicationName("Tumbledown");
    QApplication::setApplicationVersion(TUMBLEDOWN_VERSION);
    installFontSubstitutions();
}

TTumbledownApp::~TTumbledownApp() = default;

TTumbledownWindow& TTumbledownApp::createMainWindow() {
    window_ = std::make_unique<TTumbledownWindow>();
    return *window_;
}

} // namespace tumbledown

// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Qt application.
#include "GuiSession.h"

#include "FormAccessibility.h"
#include "workarounds/Workarounds.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <unistd.h>

namespace kelvara {

namespace {

// What names the display: the toolkit's own options on the command line,
// which win over the environment.
struct DisplayNames {
    std::string platformOption; // -platform NAME
    std::string displayOption;  // -display NAME
};

// While the application is being constructed: the toolkit's messages, held
// back so that a missing display gives one line of ours first. The message
// handler is a plain function, so what it needs lives here.
std::vector<std::string> g_heldBack;
ProgramIdentity g_identity{};
DisplayNames g_names;
// Standard error as it was; meanwhile it goes to a file, for libraries under
// the toolkit that print there themselves.
int g_stderr = -1;
std::FILE* g_captured = nullptr;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

DisplayNames namesFrom(int argc, char** argv) {
    DisplayNames names;
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view option = argv[i];
        if (option.starts_with("--")) {
            option.remove_prefix(1); // the toolkit reads both spellings
        }
        if (option == "-platform") {
            names.platformOption = argv[i + 1];
        } else if (option == "-display") {
            names.displayOption = argv[i + 1];
        }
    }
    return names;
}

// What could not be opened, in German: the platform plugin the options or
// the environment name, or else the displays they name; empty if nothing
// names any.
std::string whatFailed() {
    if (!g_names.platformOption.empty()) {
        return "das Qt-Plattformmodul „" + g_names.platformOption + "“ (-platform)";
    }
    const std::string platform = environment("QT_QPA_PLATFORM");
    if (!platform.empty()) {
        return "das Qt-Plattformmodul „" + platform + "“ (QT_QPA_PLATFORM)";
    }
    std::vector<std::pair<std::string, std::string>> displays; // what, named by
    if (!g_names.displayOption.empty()) {
        displays.emplace_back("die X11-Anzeige „" + g_names.displayOption + "“", "-display");
    } else if (const std::string x11 = environment("DISPLAY"); !x11.empty()) {
        displays.emplace_back("die X11-Anzeige „" + x11 + "“", "DISPLAY");
    }
    if (const std::string wayland = environment("WAYLAND_DISPLAY"); !wayland.empty()) {
        displays.emplace_back("die Wayland-Anzeige „" + wayland + "“", "WAYLAND_DISPLAY");
    }
    std::string named;
    for (const auto& [what, by] : displays) {
        named.append(named.empty() ? "" : " und ").append(what).append(" (").append(by).append(")");
    }
    return named;
}

void captureStandardError() {
    std::fflush(stderr);
    g_captured = std::tmpfile();
    if (g_captured != nullptr) {
        g_stderr = dup(STDERR_FILENO);
        dup2(fileno(g_captured), STDERR_FILENO);
    }
}

// Puts standard error back and returns what was printed there meanwhile.
std::string releaseStandardError() {
    std::string printed;
    if (g_captured == nullptr) {
        return printed;
    }
    std::fflush(stderr);
    dup2(g_stderr, STDERR_FILENO);
    close(g_stderr);
    std::rewind(g_captured);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, g_captured)) > 0;) {
        printed.append(buffer, n);
    }
    std::fclose(g_captured);
    g_captured = nullptr;
    return printed;
}

// Our line first, then what the toolkit and the libraries under it said.
[[noreturn]] void failWith(const std::string& line) {
    const std::string printed = releaseStandardError();
    std::fprintf(stderr, "%s\n", line.c_str());
    for (const std::string& message : g_heldBack) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    std::fputs(printed.c_str(), stderr);
    std::_Exit(EXIT_FAILURE);
}

void holdBack(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    g_heldBack.push_back(message.toStdString());
    if (type != QtFatalMsg) {
        return;
    }
    // The toolkit could not open any platform: without this it aborts with a
    // core dump and advice to reinstall, which would not help. Where nothing
    // was named there is no session at all; where something was named, the
    // user needs to know what failed and the toolkit's own reason.
    const std::string failed = whatFailed();
    const std::string name = g_identity.name;
    if (failed.empty()) {
        g_heldBack.clear();
        failWith(name + " braucht eine grafische Sitzung (X11 oder Wayland). Ohne Bildschirm " +
                 "starten mit:  xvfb-run -a " + g_identity.command);
    }
    failWith(name + " konnte " + failed + " nicht öffnen. Die Meldungen von Qt:");
}

void loadToolkitTranslations(QApplication& app) {
    // The text box's menu and the message box's buttons, in German like the window.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

// The toolkit draws only in 15 bits of colour or more; on fewer (an 8-bit X
// server) its first paint crashes.
void requireColourDepth() {
    constexpr int fewestBits = 15;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->depth() >= fewestBits) {
        return;
    }
    failWith(std::string(g_identity.name) + " kann auf dieser Anzeige nicht zeichnen: sie hat " +
             std::to_string(screen->depth()) + " Bit Farbtiefe, nötig sind mindestens " +
             std::to_string(fewestBits) + " Bit (Tausende Farben).");
}

} // namespace

std::unique_ptr<QApplication> openGuiSession(int& argc, char** argv,
                                             const ProgramIdentity& identity) {
    g_identity = identity; // its texts are the program's own literals
    g_names = namesFrom(argc, argv);
    QtMessageHandler previous = qInstallMessageHandler(holdBack);
    workarounds::beforeApplication();
    captureStandardError();
    auto app = std::make_unique<QApplication>(argc, argv);
    requireColourDepth();
    const std::string printed = releaseStandardError();
    qInstallMessageHandler(previous);
    for (const std::string& message : g_heldBack) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    std::fputs(printed.c_str(), stderr);
    g_heldBack.clear();
    QApplication::setApplicationName(QString::fromUtf8(identity.name));
    QApplication::setApplicationVersion(QString::fromUtf8(identity.version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity.desktopFileName));
    loadToolkitTranslations(*app);
    installFormAccessibility();
    return app;
}

} // namespace kelvara

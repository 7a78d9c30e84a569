// Opening the Qt application.
#include "GuiSession.h"

#include "AccessibleWidgets.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace kelvara {

namespace {

// While the application is being constructed: the toolkit's messages, held
// back so that a missing display gives one line of ours and nothing else.
std::vector<std::string> g_heldBack;
ProgramIdentity g_identity{};

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// What could not be opened, in German: the platform plugin the environment
// names, or else the displays it names; empty if it names none of them.
std::string whatFailed() {
    const std::string platform = environment("QT_QPA_PLATFORM");
    if (!platform.empty()) {
        return "das Qt-Plattformmodul „" + platform + "“ (QT_QPA_PLATFORM)";
    }
    std::string displays;
    for (const auto& [variable, kind] : {std::pair{"DISPLAY", "die X11-Anzeige"},
                                         std::pair{"WAYLAND_DISPLAY", "die Wayland-Anzeige"}}) {
        const std::string display = environment(variable);
        if (!display.empty()) {
            displays += (displays.empty() ? "" : " und ") + std::string(kind) + " „" + display +
                        "“ (" + variable + ")";
        }
    }
    return displays;
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
    if (failed.empty()) {
        std::fprintf(stderr,
                     "%s braucht eine grafische Sitzung (X11 oder Wayland). Ohne Bildschirm "
                     "starten mit:  xvfb-run -a %s\n",
                     g_identity.name, g_identity.command);
    } else {
        std::fprintf(stderr, "%s konnte %s nicht öffnen. Die Meldungen von Qt:\n", g_identity.name,
                     failed.c_str());
        for (const std::string& line : g_heldBack) {
            std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
    std::_Exit(EXIT_FAILURE);
}

void loadToolkitTranslations(QApplication& app) {
    // The text box's menu and the message box's buttons, in German like the window.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

} // namespace

std::unique_ptr<QApplication> openGuiSession(int& argc, char** argv,
                                             const ProgramIdentity& identity) {
    g_identity = identity; // its texts are the program's own literals
    QtMessageHandler previous = qInstallMessageHandler(holdBack);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const std::string& message : g_heldBack) {
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    g_heldBack.clear();
    QApplication::setApplicationName(QString::fromUtf8(identity.name));
    QApplication::setApplicationVersion(QString::fromUtf8(identity.version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity.desktopFileName));
    loadToolkitTranslations(*app);
    installAccessibleWidgets();
    return app;
}

} // namespace kelvara

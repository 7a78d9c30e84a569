// Opening the Qt application.
#include "GuiSession.h"

#include "AccessibleWidgets.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace kelvara {

namespace {

// While the application is being constructed: the toolkit's messages, held
// back so that a missing display gives one line of ours and nothing else.
std::vector<std::string> g_heldBack;
std::string g_noDisplayLine;

void holdBack(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtFatalMsg) {
        // The toolkit could not open any platform: without this it aborts
        // with a core dump and advice to reinstall, which would not help.
        std::fputs(g_noDisplayLine.c_str(), stderr);
        std::_Exit(EXIT_FAILURE);
    }
    g_heldBack.push_back(message.toStdString());
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
    g_noDisplayLine = std::string(identity.name) +
                      " braucht eine grafische Sitzung (X11 oder Wayland). Ohne Bildschirm "
                      "starten mit:  xvfb-run -a " +
                      identity.command + "\n";
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

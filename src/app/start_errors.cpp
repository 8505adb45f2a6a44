#include "app/start_errors.h"

#include <QGuiApplication>
#include <QMessageLogContext>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace volna {

namespace {

// A message of Qt's held until the watch ends; the context's strings copied.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// The one piece of process-wide state a message handler can reach.
std::vector<HeldMessage>* heldMessages = nullptr;

std::string quoted(const char* value) {
    return std::string("\"") + value + "\"";
}

// Gives Qt's own handler back and passes it the messages held so far.
void passOnHeld() {
    qInstallMessageHandler(nullptr);
    std::vector<HeldMessage> held;
    held.swap(*heldMessages);
    for (const HeldMessage& message : held) {
        const QMessageLogContext original(message.file.constData(), message.line,
                                          message.function.constData(),
                                          message.category.constData());
        qt_message_output(message.type, original, message.text);
    }
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        const std::string line = noDisplayLine(
            std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
        std::fprintf(stderr, "%s\n", line.c_str());
        std::_Exit(1); // nothing is open yet: no port, no store
    }
    heldMessages->push_back(
        {type, context.file, context.line, context.function, context.category, text});
    if (type == QtFatalMsg) { // not a missing display: said as Qt would, and Qt aborts
        passOnHeld();
    }
}

} // namespace

DisplayWatch::DisplayWatch() {
    heldMessages = new std::vector<HeldMessage>;
    qInstallMessageHandler(holdOrEnd);
}

DisplayWatch::~DisplayWatch() {
    passOnHeld();
    delete heldMessages;
    heldMessages = nullptr;
}

std::string noDisplayLine(const char* platform, const char* display, const char* wayland) {
    const std::string csv = " (--export-csv and --import-csv work without one)";
    if (platform != nullptr && *platform != '\0') {
        return "volna144: no display: the Qt platform " + quoted(platform) + " could not start" +
               csv;
    }
    const bool x = display != nullptr && *display != '\0';
    const bool w = wayland != nullptr && *wayland != '\0';
    if (!x && !w) {
        return "volna144: no display: DISPLAY is not set" + csv;
    }
    return "volna144: no display: cannot connect to " +
           (x ? "DISPLAY=" + quoted(display) : "WAYLAND_DISPLAY=" + quoted(wayland)) + csv;
}

bool hasDisplay() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal") &&
           platform != QLatin1String("minimalegl");
}

void showStartError(Prompter& prompter, const QString& text) {
    if (hasDisplay()) {
        prompter.ask(errorBox(text.toStdString()));
    }
}

} // namespace volna

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_errors.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"
#include "ui/translate.h"

#include <QGuiApplication>
#include <QMessageLogContext>
#include <QTranslator>

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

// What the watch keeps: the messages held, and the translation of the
// no-display line (loaded by itself: no QCoreApplication exists yet to
// install it in).
struct WatchState {
    std::vector<HeldMessage> held;
    QTranslator russian;
    bool speaksRussian = false;
};

// The one piece of process-wide state a message handler can reach.
WatchState* watchState = nullptr;

std::string quoted(const char* value) {
    return std::string("\"") + value + "\"";
}

// Gives Qt's own handler back and passes it the messages held so far.
void passOnHeld() {
    qInstallMessageHandler(nullptr);
    std::vector<HeldMessage> held;
    held.swap(watchState->held);
    for (const HeldMessage& message : held) {
        const QMessageLogContext original(message.file.constData(), message.line,
                                          message.function.constData(),
                                          message.category.constData());
        qt_message_output(message.type, original, message.text);
    }
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        const TextTranslation translate = [](std::string_view templ) {
            const std::string source(templ);
            const QString found =
                watchState->speaksRussian
                    ? watchState->russian.translate(kTranslationContext, source.c_str())
                    : QString();
            return found.isEmpty() ? source : found.toStdString();
        };
        const std::string line =
            noDisplayLine(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                          std::getenv("WAYLAND_DISPLAY"), translate);
        std::fprintf(stderr, "volna144: %s\n", line.c_str());
        std::_Exit(1); // nothing is open yet: no port, no store
    }
    watchState->held.push_back(
        {type, context.file, context.line, context.function, context.category, text});
    if (type == QtFatalMsg) { // not a missing display: said as Qt would, and Qt aborts
        passOnHeld();
    }
}

} // namespace

DisplayWatch::DisplayWatch(Language language) {
    watchState = new WatchState;
    watchState->speaksRussian =
        language == Language::Russian && watchState->russian.load(kRussianTranslationFile);
    qInstallMessageHandler(holdOrEnd);
}

DisplayWatch::~DisplayWatch() {
    passOnHeld();
    delete watchState;
    watchState = nullptr;
}

std::string noDisplayLine(const char* platform, const char* display, const char* wayland,
                          const TextTranslation& translate) {
    auto say = [&translate](std::string_view templ, const std::string& piece) {
        return fillText(translate ? translate(templ) : std::string(templ), {piece});
    };
    if (platform != nullptr && *platform != '\0') {
        return say(kNoDisplayPlatformMessage, platform);
    }
    const bool x = display != nullptr && *display != '\0';
    const bool w = wayland != nullptr && *wayland != '\0';
    if (!x && !w) {
        return say(kNoDisplaySetMessage, "");
    }
    return say(kNoDisplayConnectMessage,
               x ? "DISPLAY=" + quoted(display) : "WAYLAND_DISPLAY=" + quoted(wayland));
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

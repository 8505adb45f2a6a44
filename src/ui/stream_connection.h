// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One connected stream socket (TCP or local) served on the program's event
// loop: what arrives is read when the owner asks, what the owner writes waits
// in a buffer while the peer does not take it, and the connection says when
// it has ended. Talks to the socket's descriptor and Qt's socket notifiers
// (Qt Core only, so that the program does not load Qt's network library).

#include <QObject>
#include <QSocketNotifier>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace volna {

class StreamConnection : public QObject {
public:
    struct Handlers {
        std::function<void()> readable; // bytes, or the end of the stream, have come
        std::function<void()> written;  // everything written so far has gone out
        std::function<void()> ended;    // closed by either side or failed; runs once, last
    };

    // Takes descriptor: a connected socket, made non-blocking here. Delete
    // the connection with deleteLater() from within a handler.
    StreamConnection(int descriptor, Handlers handlers = {});
    ~StreamConnection() override; // closes at once; what was not sent is dropped
    StreamConnection(const StreamConnection&) = delete;
    StreamConnection& operator=(const StreamConnection&) = delete;

    // For handlers that need the connection itself.
    void setHandlers(Handlers handlers) { handlers_ = std::move(handlers); }

    // Up to max of the bytes that have come; empty when none has. At the end
    // of the stream or on an error the connection ends once what it still has
    // to send is out.
    std::string read(std::size_t max);
    // Sends bytes, keeping in the buffer what the peer does not take yet.
    void write(std::string_view bytes);
    // Bytes written but not yet taken by the system.
    std::size_t unsent() const { return unsent_.size() - sentFrom_; }
    // Stops or resumes `readable`; the peer's bytes wait in the system meanwhile.
    void setReading(bool on);
    // Sends what is buffered, then closes; `ended` follows.
    void closeAfterWriting();
    // Closes at once, dropping what was not sent; no handler runs any more.
    void closeNow();
    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }

private:
    void whenReadable();
    void whenWritable();
    void flush();
    void endIfDone();

    int descriptor_;
    Handlers handlers_;
    QSocketNotifier reading_;
    QSocketNotifier writing_;
    std::string unsent_;
    std::size_t sentFrom_ = 0;
    bool closing_ = false; // no more reading: close once the buffer is out
};

} // namespace volna

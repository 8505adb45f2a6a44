// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A radio on a simulated parallel port, for running without hardware and for
// tests. For tests it records every port operation in order; the program keeps
// no such history (it would grow with every retune). It decodes the serial control
// word from the frame, clock and data lines as the synthesizer would, follows
// the transmit line, and answers status-register reads from a settable value,
// from a file that another process may change while the program runs, or from
// a band of simulated signals heard at the frequency the last word tunes.

#include "synth/control_word.h"
#include "synth/parallel_port.h"
#include "synth/port_back_end.h"
#include "synth/simulated_band.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace volna {

// One operation on the port. Out: port and the value written. In: port and the
// value returned. Sleep: port 0 and the milliseconds asked for.
struct PortOp {
    enum Kind { Out, In, Sleep };
    Kind kind;
    int port;
    int value;

    bool operator==(const PortOp&) const = default;
};

class SimulatedRadio : public ParallelPort {
public:
    // Operations: every port operation is kept for operations() and writes().
    // Nothing: only the radio's own state (data register, word being received,
    // last word), so memory stays flat however long the program runs.
    enum class History { Operations, Nothing };

    explicit SimulatedRadio(History history = History::Operations) : history_(history) {}

    void out(int port, int value) override;
    int in(int port) override;
    // Records the call and returns at once.
    void sleep(int ms) override;

    // Empty when the radio keeps no history.
    const std::vector<PortOp>& operations() const { return operations_; }
    void clearOperations() { operations_.clear(); }
    // The values written to the data register, in order.
    std::vector<int> writes() const;

    // The last complete word (ended by the falling frame line), in sending
    // order; all 0 before the first word.
    const ControlBits& lastWord() const { return lastWord_; }
    // How many bits the last complete word clocked in (24 for a proper word;
    // bits past 24 are counted but not kept).
    int lastWordLength() const { return lastWordLength_; }
    // The divider field of the last word: positions 1..14, least significant
    // bit first.
    int lastDivider() const;
    // Complete words received so far.
    int wordCount() const { return wordCount_; }
    // The value on the data register now.
    int dataRegister() const { return dataRegister_; }
    // True while the transmit line is high.
    bool transmitting() const { return (dataRegister_ & kTransmitLine) != 0; }

    // The value status-register reads return while no status file is set.
    void setStatus(int status) { status_ = status; }
    // Makes every status-register read return the first integer in the file at
    // path, read afresh each time (0 when the file is missing or holds no
    // number). An empty path goes back to the value of setStatus.
    void setStatusFile(std::string path) { statusFile_ = std::move(path); }
    // Makes status-register reads answer from band while no status file is
    // set: busy (kBusyStatus) while a signal is heard at the receive frequency
    // of the last word, quiet (0) otherwise and while transmitting. nowMs is
    // the program's clock; the band's patterns run from its value now.
    void listenTo(SimulatedBand band, std::function<std::int64_t()> nowMs);
    // The frequency the receiver hears with the last word, kHz: the local
    // oscillator (divider times the raster) less its offset. 0 before a word.
    double receiveKHz() const;

private:
    void decode(int previous, int current);
    int readStatus() const;
    void record(PortOp op);

    History history_;
    std::vector<PortOp> operations_;
    int dataRegister_ = 0;
    bool inWord_ = false;
    ControlBits receiving_{};
    int received_ = 0;
    ControlBits lastWord_{};
    int lastWordLength_ = 0;
    int wordCount_ = 0;
    int status_ = 0;
    std::string statusFile_;
    SimulatedBand band_;
    std::function<std::int64_t()> nowMs_; // empty: no band
    std::int64_t listeningSince_ = 0;
};

// The simulated receiver's own raster and local-oscillator offset, kHz: those
// a fresh store sets, so that the band is heard where the read-out says.
inline constexpr int kSimulatedRasterKHz = 25;
inline constexpr int kSimulatedIfOffsetKHz = -10700;
// What the status register reads while a signal is heard: the busy line high.
inline constexpr int kBusyStatus = 0x80;

// The first integer in text, with its sign; 0 when the text holds none.
// Values beyond int saturate.
int firstInteger(const std::string& text);

// The simulated radio as the command line offers it (--port=sim): it keeps no
// history and listens to band on the steady clock from its opening, unless
// VOLNA144_SIM_STATUS=FILE makes its status register read FILE.
PortBackEnd simulatedRadioBackEnd(const SimulatedBand& band = {});

} // namespace volna

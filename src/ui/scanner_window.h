// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scanner's window: the timed resume and the hang time, the lockout of
// the frequency a scan holds on with the list of locked-out frequencies (each
// taken back alone or all at once), and the holds of this run, newest first,
// saved to a CSV file on request. Every action is the console's own
// (Form1::lockOutHeld, takeBackLockout, setHoldRules, hits); the window only
// shows them, refreshed twice a second while it is shown.
//
// It is not one of the program's forms: bringing it forward is not an
// activation of the console.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace volna {

class FileChooser;
class Form1;
class Prompter;

inline constexpr const char* kScannerTitle = "Сканер";

class ScannerWindow : public QWidget {
public:
    ScannerWindow(Form1& console, FileChooser& files, Prompter& prompter);

    // Shows the window and brings it forward.
    void open();

protected:
    // Escape closes the window, F9 locks out, Ctrl+S saves the hits.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    void refresh();
    void lockOut();
    void takeBack();
    void takeBackAll();
    void saveHits();
    void rulesChanged();

    Form1& console_;
    FileChooser& files_;
    Prompter& prompter_;
    QTimer refresh_;
    std::int64_t wallMsAtZero_ = 0; // the wall clock when the program's clock read 0
    std::uint64_t hitsShown_ = ~std::uint64_t{0};
    QSpinBox* resume_ = nullptr;
    QSpinBox* hang_ = nullptr;
    QPushButton* lockOut_ = nullptr;
    QLabel* line_ = nullptr;
    QListWidget* lockouts_ = nullptr;
    QPushButton* takeBack_ = nullptr;
    QPushButton* takeBackAll_ = nullptr;
    QListWidget* hits_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace volna

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scanner_window.h"

#include "console/console.h"
#include "scan/hits_csv.h"
#include "toolkit/file_chooser.h"
#include "toolkit/program.h"
#include "toolkit/prompter.h"
#include "toolkit/text_file.h"
#include "toolkit/text_templates.h"
#include "ui/translate.h"

#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace volna {

namespace {

constexpr int kRefreshMs = 500;
constexpr const char* kResumeCaption = "Продолжать через, с:";
constexpr const char* kResumeDescription =
    "Сканирование уходит с частоты, на которой сигнал длится дольше; 0 — держать, пока есть сигнал";
constexpr const char* kHangCaption = "Ждать ответа, с:";
constexpr const char* kHangDescription =
    "Сколько сканирование ждёт после пропадания сигнала; 0 — сразу дальше";
constexpr const char* kOff = "нет";
constexpr const char* kLockOutCaption = "Заблокировать частоту (F9)";
constexpr const char* kNothingHeld = "Сканирование сейчас не держит частоту: блокировать нечего";
constexpr const char* kLockoutsFull = "Список заблокированных частот полон";
constexpr const char* kLockedOutCaption = "Заблокированные частоты:";
constexpr const char* kTakeBackCaption = "Вернуть";
constexpr const char* kTakeBackAllCaption = "Вернуть все";
constexpr const char* kHitsCaption = "Остановки сканирования (последние сверху):";
constexpr const char* kSaveHitsCaption = "Сохранить в CSV… (Ctrl+S)";
constexpr const char* kSaveHitsTitle = "Сохранить остановки сканирования";
constexpr const char* kSavedTemplate = "Записано остановок: %1";
constexpr const char* kKHz = " kHz";

QSpinBox* secondsBox(const char* caption, const char* description) {
    auto* box = new QSpinBox;
    box->setRange(0, static_cast<int>(kLongestHoldSeconds));
    box->setSpecialValueText(shown(kOff));
    box->setAccessibleName(shown(caption).remove(QLatin1Char(':')));
    box->setAccessibleDescription(shown(description));
    return box;
}

QPushButton* button(const char* caption) {
    auto* made = new QPushButton(shown(caption));
    made->setAccessibleName(shown(caption));
    return made;
}

} // namespace

ScannerWindow::ScannerWindow(Form1& console, FileChooser& files, Prompter& prompter)
    : console_(console), files_(files), prompter_(prompter) {
    setWindowTitle(shown(kScannerTitle));
    wallMsAtZero_ = QDateTime::currentMSecsSinceEpoch() - console_.program().now();
    build();
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, [this] { refresh(); });
}

void ScannerWindow::build() {
    resume_ = secondsBox(kResumeCaption, kResumeDescription);
    hang_ = secondsBox(kHangCaption, kHangDescription);
    auto* rules = new QFormLayout;
    rules->addRow(shown(kResumeCaption), resume_);
    rules->addRow(shown(kHangCaption), hang_);
    lockOut_ = button(kLockOutCaption);
    line_ = new QLabel;
    lockouts_ = new QListWidget;
    lockouts_->setAccessibleName(shown(kLockedOutCaption).remove(':'));
    takeBack_ = button(kTakeBackCaption);
    takeBackAll_ = button(kTakeBackAllCaption);
    hits_ = new QListWidget;
    hits_->setAccessibleName(shown(kHitsCaption).remove(':'));
    save_ = button(kSaveHitsCaption);

    auto* lockoutButtons = new QHBoxLayout;
    lockoutButtons->addWidget(takeBack_);
    lockoutButtons->addWidget(takeBackAll_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rules);
    layout->addWidget(lockOut_);
    layout->addWidget(line_);
    layout->addWidget(new QLabel(shown(kLockedOutCaption)));
    layout->addWidget(lockouts_);
    layout->addLayout(lockoutButtons);
    layout->addWidget(new QLabel(shown(kHitsCaption)));
    layout->addWidget(hits_, 1);
    layout->addWidget(save_);
    resize(420, 520);

    const HoldRules held = console_.holdRules();
    resume_->setValue(static_cast<int>(held.resumeAfterMs / 1000));
    hang_->setValue(static_cast<int>(held.hangMs / 1000));
    connect(resume_, &QSpinBox::valueChanged, this, [this] { rulesChanged(); });
    connect(hang_, &QSpinBox::valueChanged, this, [this] { rulesChanged(); });
    connect(lockOut_, &QPushButton::clicked, this, [this] { lockOut(); });
    connect(takeBack_, &QPushButton::clicked, this, [this] { takeBack(); });
    connect(takeBackAll_, &QPushButton::clicked, this, [this] { takeBackAll(); });
    connect(save_, &QPushButton::clicked, this, [this] { saveHits(); });
}

void ScannerWindow::open() {
    show();
    raise();
    activateWindow();
}

// The lists as the console holds them now; the hits only when one was added.
void ScannerWindow::refresh() {
    const std::vector<std::int64_t>& locked = console_.lockouts().list();
    if (lockouts_->count() != static_cast<int>(locked.size()) ||
        (lockouts_->count() > 0 &&
         lockouts_->item(0)->data(Qt::UserRole).toLongLong() != locked.front())) {
        lockouts_->clear();
        for (const std::int64_t kHz : locked) {
            auto* item = new QListWidgetItem(QString::number(kHz) + kKHz);
            item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(kHz));
            lockouts_->addItem(item);
        }
    }
    takeBack_->setEnabled(!locked.empty());
    takeBackAll_->setEnabled(!locked.empty());
    const ScanHits& hits = console_.hits();
    if (hits.added() != hitsShown_) {
        hitsShown_ = hits.added();
        hits_->clear();
        for (std::size_t i = 0; i < hits.size(); ++i) {
            hits_->addItem(QString::fromStdString(hitLine(hits.newest(i), wallMsAtZero_)));
        }
    }
    save_->setEnabled(hits.size() > 0);
}

void ScannerWindow::rulesChanged() {
    const HoldRules rules{std::int64_t{resume_->value()} * 1000,
                          std::int64_t{hang_->value()} * 1000};
    console_.program().runEvent([this, rules] { console_.setHoldRules(rules); });
}

void ScannerWindow::lockOut() {
    bool locked = false;
    console_.program().runEvent([this, &locked] { locked = console_.lockOutHeld(); });
    const bool full = console_.lockouts().list().size() >= Lockouts::kMost;
    line_->setText(locked ? QString() : shown(full ? kLockoutsFull : kNothingHeld));
    refresh();
}

void ScannerWindow::takeBack() {
    QListWidgetItem* item = lockouts_->currentItem();
    if (item == nullptr && lockouts_->count() > 0) {
        item = lockouts_->item(0);
    }
    if (item != nullptr) {
        const std::int64_t kHz = item->data(Qt::UserRole).toLongLong();
        console_.program().runEvent([this, kHz] { console_.takeBackLockout(kHz); });
    }
    refresh();
}

void ScannerWindow::takeBackAll() {
    console_.program().runEvent([this] { console_.takeBackAllLockouts(); });
    refresh();
}

// Writes every hit kept to the file the operator names; a failed write is
// told in a box and leaves any file there as it was.
void ScannerWindow::saveHits() {
    const std::string path =
        files_.saveFile({shown(kSaveHitsTitle).toStdString(), "CSV (*.csv)", "hits.csv"});
    if (path.empty()) {
        return;
    }
    const TextFileResult written = writeTextFile(path, hitsCsv(console_.hits(), wallMsAtZero_));
    if (!written.ok) {
        prompter_.ask(errorBox(written.error));
        return;
    }
    line_->setText(shown(fillText(kSavedTemplate, {std::to_string(console_.hits().size())})));
}

void ScannerWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F9) {
        lockOut();
        return;
    }
    if (event->matches(QKeySequence::Save) && save_->isEnabled()) {
        saveHits();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScannerWindow::showEvent(QShowEvent* event) {
    refresh();
    refresh_.start();
    QWidget::showEvent(event);
}

void ScannerWindow::hideEvent(QHideEvent* event) {
    refresh_.stop();
    QWidget::hideEvent(event);
}

} // namespace volna

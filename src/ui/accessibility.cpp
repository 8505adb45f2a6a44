// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include "toolkit/controls.h"
#include "toolkit/window.h"
#include "ui/translate.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <array>
#include <span>
#include <string_view>

namespace volna {

namespace {

constexpr int kChannels = 10;

// The console. The read-outs' names carry what they show, so that a screen
// reader hears the new frequency, mode, busy state or channel as a name change.
constexpr std::array kConsoleRows{
    AccessibleRow{"Form1", "Label1", "Частота %1 kHz", "Частота приёма или передачи"},
    AccessibleRow{"Form1", "Label2", "Положение ползунка %1", "Номер шага настройки в диапазоне"},
    AccessibleRow{"Form1", "Label3", "Шаг %1 kHz", "Шаг настройки"},
    AccessibleRow{"Form1", "Label4", "%1", "Единица частоты"},
    AccessibleRow{"Form1", "Label5", "Режим %1", "RX — приём, TX — передача"},
    AccessibleRow{"Form1", "Label6", "Табло", "Фон табло"},
    AccessibleRow{"Form1", "Label7", "%1", "Открывает редактор каналов", nullptr, true},
    AccessibleRow{"Form1", "Label8", "%1", "Комментарий канала"},
    AccessibleRow{"Form1", "Label9", "Строка состояния: %1",
                  "Комментарий канала или ход сканирования"},
    AccessibleRow{"Form1", "Label10", "Занятость: %1", "BUSY, когда приёмник слышит сигнал"},
    AccessibleRow{"Form1", "Label11", "%1", "Единица шага"},
    AccessibleRow{"Form1", "Label12", "%1", "Показывает или скрывает дополнительную панель",
                  nullptr, true},
    AccessibleRow{"Form1", "Label17", "Канал %1", "Канал памяти на табло, NONE — без канала"},
    AccessibleRow{"Form1", "Label18", "%1", "Открывает активность диапазона", nullptr, true},
    AccessibleRow{"Form1", "Frame3", "%1", "Управляющее слово и частота гетеродина"},
    AccessibleRow{"Form1", "Label13", "%1", "Управляющее слово"},
    AccessibleRow{"Form1", "Label14", "Управляющее слово %1", "Последнее посланное слово"},
    AccessibleRow{"Form1", "Label15", "%1", "Частота гетеродина"},
    AccessibleRow{"Form1", "Label16", "Частота гетеродина %1 kHz", "Частота синтезатора"},
    AccessibleRow{"Form1", "Label19", "%1", "Открывает диаграмму передачи", nullptr, true},
    AccessibleRow{"Form1", "Slider1", "Настройка частоты", "%1 kHz", "Label1"},
    AccessibleRow{"Form1", "Option2", "%1", "Шаг настройки"},
    AccessibleRow{"Form1", "Option1_0", "%1", "Шаг настройки"},
    AccessibleRow{"Form1", "Option3", "%1", "Шаг настройки"},
    AccessibleRow{"Form1", "Check3", "%1", "Показывает флажки каналов для сканирования"},
    AccessibleRow{"Form1", "Command14", "%1", "Записывает частоту на табло в канал памяти"},
    AccessibleRow{"Form1", "Check1", "%1", "Сканирует только между частотами от и до"},
    AccessibleRow{"Form1", "Frame1", "%1", "Первая частота сканирования"},
    AccessibleRow{"Form1", "Frame2", "%1", "Последняя частота сканирования"},
    AccessibleRow{"Form1", "Text2", "Сканирование от, kHz", "Первая частота сканирования"},
    AccessibleRow{"Form1", "Text6", "Сканирование до, kHz", "Последняя частота сканирования"},
    AccessibleRow{"Form1", "Command2", "%1", "Сканирует весь диапазон или от и до"},
    AccessibleRow{"Form1", "Command4", "%1", "Сканирует отмеченные каналы"},
    AccessibleRow{"Form1", "Command17", "%1", "Открывает настройки"},
    AccessibleRow{"Form1", "Command15", "Предыдущий канал", "Настраивает на предыдущий канал"},
    AccessibleRow{"Form1", "Command16", "Следующий канал", "Настраивает на следующий канал"},
    AccessibleRow{"Form1", "Check4", "Передача %1", "Включает и выключает передатчик"},
    AccessibleRow{"Form1", "Command1", "%1", "Закрывает программу"},
    AccessibleRow{"Form1", "Text990", "Следующий канал сканирования", "Служебное поле"},
};

constexpr std::array<const char*, kChannels> kChannelButtons{
    "Command3", "Command5",  "Command6",  "Command7",  "Command8",
    "Command9", "Command10", "Command11", "Command12", "Command13"};
constexpr std::array<const char*, kChannels> kChannelBoxes{
    "Check2_0", "Check2_1", "Check2_2", "Check2_3", "Check2_4",
    "Check2_5", "Check2_6", "Check2_7", "Check2_8", "Check2_9"};

// The console's channel buttons and the boxes over them.
constexpr std::array<AccessibleRow, 2 * kChannels> consoleChannelRows() {
    std::array<AccessibleRow, 2 * kChannels> rows{};
    for (int k = 0; k < kChannels; ++k) {
        rows[2 * k] = {
            "Form1", kChannelButtons[k], "Канал %2", "Настраивает на канал памяти", nullptr, false,
            k + 1};
        rows[2 * k + 1] = {"Form1",
                           kChannelBoxes[k],
                           "Сканировать канал %2",
                           "Канал входит в сканирование по каналам",
                           nullptr,
                           false,
                           k + 1};
    }
    return rows;
}
constexpr auto kConsoleChannelRows = consoleChannelRows();

// The channel editor's rows: clear button, receive, transmit, comment.
constexpr std::array<const char*, kChannels> kClearButtons{
    "Command4", "Command5",  "Command6",  "Command7",  "Command8",
    "Command9", "Command10", "Command11", "Command12", "Command13"};
constexpr std::array<const char*, 2 * kChannels> kEditorBoxes{
    "Text1_0",  "Text1_1",  "Text1_2",  "Text1_3",  "Text1_4",  "Text1_5",  "Text1_6",
    "Text1_7",  "Text1_8",  "Text1_9",  "Text1_10", "Text1_11", "Text1_12", "Text1_13",
    "Text1_14", "Text1_15", "Text1_16", "Text1_17", "Text1_18", "Text1_19"};
constexpr std::array<const char*, kChannels> kTransmitBoxes{
    "Text2_0", "Text2_1", "Text2_2", "Text2_3", "Text2_4",
    "Text2_5", "Text2_6", "Text2_7", "Text2_8", "Text2_9"};

constexpr std::array<AccessibleRow, 4 * kChannels> editorChannelRows() {
    std::array<AccessibleRow, 4 * kChannels> rows{};
    for (int k = 0; k < kChannels; ++k) {
        rows[4 * k] = {"Form2",
                       kClearButtons[k],
                       "Очистить канал %2",
                       "Стирает частоты и комментарий канала",
                       nullptr,
                       false,
                       k + 1};
        rows[4 * k + 1] = {
            "Form2", kEditorBoxes[2 * k], "Канал %2, приём, kHz", "Частота приёма", nullptr, false,
            k + 1};
        rows[4 * k + 2] = {"Form2",
                           kTransmitBoxes[k],
                           "Канал %2, передача, kHz",
                           "Частота передачи",
                           nullptr,
                           false,
                           k + 1};
        rows[4 * k + 3] = {"Form2",
                           kEditorBoxes[2 * k + 1],
                           "Канал %2, комментарий",
                           "Комментарий канала",
                           nullptr,
                           false,
                           k + 1};
    }
    return rows;
}
constexpr auto kEditorChannelRows = editorChannelRows();

// The side windows: the boxes and lists get the names of the words beside
// them; the buttons keep their captions.
constexpr std::array kSideRows{
    AccessibleRow{"Form2", "Frame1", "%1", "Каналы памяти"},
    AccessibleRow{"Form2", "Label1", "%1", "Частота приёма"},
    AccessibleRow{"Form2", "Label3", "%1", "Частота передачи"},
    AccessibleRow{"Form2", "Label2", "%1", "Комментарий канала"},
    AccessibleRow{"Form2", "Command1", "%1", "Записывает каналы и закрывает окно"},
    AccessibleRow{"Form2", "Command2", "%1", "Стирает все каналы"},
    AccessibleRow{"Form2", "Command3", "%1", "Закрывает окно без записи"},
    AccessibleRow{"Form2", "Command14", "%1", "Открывает библиотеку каналов"},
    AccessibleRow{"Form2", "Command15", "%1", "Читает каналы из файла CSV"},
    AccessibleRow{"Form2", "Command16", "%1", "Записывает каналы в файл CSV"},
    AccessibleRow{"Form3", "Frame1", "%1", "Новый канал"},
    AccessibleRow{"Form3", "Label1", "%1", "Частота приёма"},
    AccessibleRow{"Form3", "Label2", "%1", "Частота передачи"},
    AccessibleRow{"Form3", "Label3", "%1", "Комментарий канала"},
    AccessibleRow{"Form3", "Text3", "Приём, kHz", "Частота приёма"},
    AccessibleRow{"Form3", "Text4", "Передача, kHz", "Частота передачи"},
    AccessibleRow{"Form3", "Text2", "Комментарий", "Комментарий канала"},
    AccessibleRow{"Form3", "Slider1", "Частота передачи", "%1 kHz", "Text4"},
    AccessibleRow{"Form3", "Command1", "%1", "Записывает канал и закрывает окно"},
    AccessibleRow{"Form3", "Command2", "%1", "Открывает редактор каналов"},
    AccessibleRow{"Form3", "Command3", "%1", "Закрывает окно без записи"},
    AccessibleRow{"Form3", "Command4", "%1", "Открывает библиотеку каналов"},
    AccessibleRow{"Form6", "Frame2", "%1", "Каналы памяти"},
    AccessibleRow{"Form6", "List2", "Каналы", "Каналы памяти"},
    AccessibleRow{"Form6", "Frame1", "%1", "Каналы библиотеки"},
    AccessibleRow{"Form6", "List1", "Библиотека каналов", "Каналы библиотеки"},
    AccessibleRow{"Form6", "Command2", "Из каналов в библиотеку", "%1"},
    AccessibleRow{"Form6", "Command1", "Из библиотеки в каналы", "%1"},
    AccessibleRow{"Form6", "Command7", "%1", "Каналы памяти"},
    AccessibleRow{"Form6", "Command4", "%1", "Каналы библиотеки"},
    AccessibleRow{"Form6", "Label1", "%1", "Поиск"},
    AccessibleRow{"Form6", "Text1", "Частота для поиска, kHz",
                  "Поиск в библиотеке по частоте приёма"},
    AccessibleRow{"Form6", "Command8", "%1", "Поиск"},
    AccessibleRow{"Form6", "Frame3", "%1", "Счётчики"},
    AccessibleRow{"Form6", "Label2", "%1", "Счётчик"},
    AccessibleRow{"Form6", "Label3", "Каналов в библиотеке: %1", "Счётчик"},
    AccessibleRow{"Form6", "Label4", "%1", "Счётчик"},
    AccessibleRow{"Form6", "Label5", "Каналов в списке: %1", "Счётчик"},
    AccessibleRow{"Form6", "Command6", "%1", "Записывает библиотеку"},
    AccessibleRow{"Form6", "Command5", "%1", "Закрывает окно"},
    AccessibleRow{"Form6", "Command9", "%1", "Читает библиотеку из файла CSV"},
    AccessibleRow{"Form6", "Command10", "%1", "Записывает библиотеку в файл CSV"},
    AccessibleRow{"Form5", "Text1", "Нижняя граница диапазона, kHz", "Основные настройки"},
    AccessibleRow{"Form5", "Text2", "Верхняя граница диапазона, kHz", "Основные настройки"},
    AccessibleRow{"Form5", "Text3", "Промежуточная частота, kHz", "Основные настройки"},
    AccessibleRow{"Form5", "Text4", "Разница частот приёма и передачи, kHz", "Основные настройки"},
    AccessibleRow{"Form5", "Text5", "Скорость общего сканирования, мс", "Сканирование"},
    AccessibleRow{"Form5", "Text6", "Скорость сканирования от и до, мс", "Сканирование"},
    AccessibleRow{"Form5", "Text7", "Скорость сканирования по каналам, мс", "Сканирование"},
    AccessibleRow{"Form5", "Text8", "Задержка 1, мс", "Засылаемый сигнал"},
    AccessibleRow{"Form5", "Text9", "Задержка 2, мс", "Засылаемый сигнал"},
    AccessibleRow{"Form5", "Text10", "Тайм-аут передачи, мин", "Передача"},
    AccessibleRow{"Form5", "Command1", "%1", "Записывает настройки и закрывает окно"},
    AccessibleRow{"Form5", "Command2", "%1", "Закрывает окно без записи"},
};

constexpr std::array<std::span<const AccessibleRow>, 4> kTables{kConsoleRows, kConsoleChannelRows,
                                                                kEditorChannelRows, kSideRows};

// What a control shows: its caption, or a text box's text; nullptr for a
// control that shows no text.
const std::string* shownBy(const Control& control) {
    if (const auto* label = dynamic_cast<const Label*>(&control)) {
        return &label->caption;
    }
    if (const auto* button = dynamic_cast<const Button*>(&control)) {
        return &button->caption;
    }
    if (const auto* frame = dynamic_cast<const Frame*>(&control)) {
        return &frame->caption;
    }
    if (const auto* box = dynamic_cast<const CheckBox*>(&control)) {
        return &box->caption;
    }
    if (const auto* option = dynamic_cast<const OptionButton*>(&control)) {
        return &option->caption;
    }
    if (const auto* text = dynamic_cast<const TextBox*>(&control)) {
        return &text->text();
    }
    return nullptr;
}

bool hasPlace(const char* text) {
    return std::string_view(text).find("%1") != std::string_view::npos;
}

// The property that marks a label offered as a button.
constexpr const char* kPressable = "volnaPressable";

// A label that runs its click: a button with a press action to a screen
// reader. The press is posted, so the caller gets its answer before a
// window or a message box the click opens.
class PressableLabel : public QAccessibleWidget {
public:
    explicit PressableLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = static_cast<const QLabel*>(widget())->text();
        }
        return text;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QTimer::singleShot(0, widget(), [label = widget()] { pressLeftButton(label); });
    }

private:
    static void pressLeftButton(QWidget* label) {
        const QPointF middle = QRectF(label->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, middle, label->mapToGlobal(middle),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, middle, label->mapToGlobal(middle),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &release);
    }
};

QAccessibleInterface* pressableLabels(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel") && object->property(kPressable).toBool()) {
        return new PressableLabel(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

const AccessibleRow* accessibleRow(const std::string& window, const std::string& control) {
    for (std::span<const AccessibleRow> table : kTables) {
        for (const AccessibleRow& row : table) {
            if (window == row.window && control == row.control) {
                return &row;
            }
        }
    }
    return nullptr;
}

QString filledText(const AccessibleRow& row, QString filled, const QString& piece) {
    filled.replace(QLatin1String("%2"), QString::number(row.number));
    filled.replace(QLatin1String("%1"), piece);
    while (filled.endsWith(' ') || filled.endsWith(':')) {
        filled.chop(1);
    }
    return filled;
}

AccessibleTexts::AccessibleTexts(const Window& model,
                                 const std::map<std::string, QWidget*>& widgets) {
    QAccessible::installFactory(&pressableLabels);
    for (const auto& [name, widget] : widgets) {
        const AccessibleRow* row = accessibleRow(model.name(), name);
        if (row == nullptr) {
            continue;
        }
        widget->setProperty(kPressable, row->pressable);
        const Control* source = model.findControl(row->source == nullptr ? name : row->source);
        Followed followed{row,
                          widget,
                          source == nullptr ? nullptr : shownBy(*source),
                          {},
                          shownTemplate(row->name),
                          shownTemplate(row->description)};
        apply(followed);
        if (followed.source != nullptr && (hasPlace(row->name) || hasPlace(row->description))) {
            followed_.push_back(std::move(followed));
        }
    }
}

void AccessibleTexts::update() {
    for (Followed& followed : followed_) {
        if (*followed.source != followed.seen) {
            apply(followed);
        }
    }
}

void AccessibleTexts::apply(Followed& followed) {
    followed.seen = followed.source == nullptr ? std::string() : *followed.source;
    const QString piece = shown(followed.seen);
    const QString name = filledText(*followed.row, followed.name, piece);
    const QString description = filledText(*followed.row, followed.description, piece);
    // Each set sends the screen reader a change event: only what differs.
    if (followed.widget->accessibleName() != name) {
        followed.widget->setAccessibleName(name);
    }
    if (followed.widget->accessibleDescription() != description) {
        followed.widget->setAccessibleDescription(description);
    }
}

} // namespace volna
